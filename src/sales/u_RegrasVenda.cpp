#include "sales/u_RegrasVenda.h"

#include "core/u_Valores.h"

const QString kConsumidorPadrao = QStringLiteral("CONSUMIDOR PADRAO");

TTroco CalcularTroco(const QString& textoPago, double total)
{
    TTroco r;
    double pago = 0;
    if (!LerValor(textoPago, pago)) {
        r.situacao = TTroco::ValorErrado;
        return r;
    }
    r.pago = pago;
    const qint64 centavosPago = EmCentavos(pago);
    const qint64 centavosTotal = EmCentavos(total);
    if (centavosPago < centavosTotal) {
        r.situacao = TTroco::PagoMenorQueTotal;
        return r;
    }
    r.situacao = TTroco::Ok;
    r.troco = static_cast<double>(centavosPago - centavosTotal) / 100.0;
    return r;
}

TFalhaVenda ConferirVenda(int qtdeItens, const QString& cliente, const QString& formaPagamento)
{
    if (qtdeItens <= 0)
        return TFalhaVenda::SemItens;
    if (cliente.trimmed().isEmpty())
        return TFalhaVenda::SemCliente;
    if (formaPagamento.trimmed().isEmpty())
        return TFalhaVenda::SemFormaPagamento;
    if (formaPagamento == QLatin1String("PRAZO") && cliente == kConsumidorPadrao)
        return TFalhaVenda::PrazoSemCliente;
    return TFalhaVenda::Nenhuma;
}

QString MensagemDaFalha(TFalhaVenda falha)
{
    switch (falha) {
    case TFalhaVenda::SemItens:
        return QStringLiteral("Você precisa indicar pelo menos 1 ítem como venda para Salvar!");
    case TFalhaVenda::SemCliente:
        return QStringLiteral("Cliente necessita ser informado, caso seja CONSUMIDOR PADRAO pressione a tecla F2");
    case TFalhaVenda::SemFormaPagamento:
        return QStringLiteral("Forma de pagamento necessita ser informado ");
    case TFalhaVenda::PrazoSemCliente:
        return QStringLiteral("Para vendas à prazo é necessário indicar um cliente, para que você possa quitar quando "
                              "o cliente pagar");
    case TFalhaVenda::Nenhuma:
        break;
    }
    return QString();
}
