#pragma once
// Regras da tela de vendas que não dependem de controles: o troco e as conferências do "Gravar".
#include <QString>

extern const QString kConsumidorPadrao; // "CONSUMIDOR PADRAO"

// Resultado do Enter em "Valor pago".
struct TTroco
{
    enum TSituacao
    {
        Ok,
        ValorErrado,    // o texto não é um valor
        PagoMenorQueTotal
    };
    TSituacao situacao = ValorErrado;
    double pago = 0;
    double troco = 0;
};
// Lê o valor pago com o leitor de valores do programa ("1.000,00" e "1000" valem) e compara em
// centavos com o total.
TTroco CalcularTroco(const QString& textoPago, double total);

// Conferência do "Gravar", na ordem em que as mensagens aparecem.
enum class TFalhaVenda
{
    Nenhuma,
    SemItens,
    SemCliente,
    SemFormaPagamento,
    PrazoSemCliente
};
TFalhaVenda ConferirVenda(int qtdeItens, const QString& cliente, const QString& formaPagamento);
QString MensagemDaFalha(TFalhaVenda falha);
