#pragma once
// Regras da ordem de serviço que não dependem da tela: status, pagamento, datas vazias.
#include <QString>
#include <QStringList>
#include <stdexcept>

// Uma regra da OS recusou o que foi pedido; a mensagem já é a que o usuário vê.
struct ERegraOS : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Texto de um campo de data vazio, como a máscara o mostra.
inline const QString kDataVazia = QStringLiteral("  /  /    ");

// Campo de data sem nenhum dígito (a máscara vazia, ou texto vazio).
bool DataVazia(const QString& texto);

// Os status na ordem da lista; o texto é gravado como está e as regras reagem ao texto exato.
QStringList StatusDaOS();
// As formas de pagamento na ordem da lista.
QStringList FormasDePagamento();

enum class TStatusOS
{
    Finalizada,
    Retirado,
    SemReparo,
    Outro
};
// Maiúsculas e minúsculas contam: "retirado" é Outro.
TStatusOS ClassificarStatus(const QString& status);

// Valor como número simples, sem separador de milhar, no formato local: 1234,5 (casas < 0: as
// necessárias) ou 1234,50 (casas = 2).
QString ValorSimples(double valor, int casas = -1);

// VALOR_PAGO depois de pagar 'agora' numa OS de total 'total' em que já se pagou 'jaPago':
// abaixo do total acumula; igual ao total quita (qualquer que seja o já pago); 0 não muda nada.
// Um valor negativo, acima do total, ou que somado ao já pago passa do total é recusado com
// ERegraOS, para que a OS nunca fique paga além do seu valor.
double NovoValorPago(double total, double jaPago, double agora);

// Retirado sem retorno e com "PAGO ?" marcado precisa da forma, da data e do valor.
bool FaltamDadosDoRecebimento(const QString& status, bool retorno, bool pago, const QString& forma,
                              const QString& dataPagto, const QString& valorPago);
