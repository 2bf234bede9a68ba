#include "serviceorders/u_RegrasOS.h"

#include <QLocale>

#include "core/u_Valores.h"

bool DataVazia(const QString& texto)
{
    for (const QChar c : texto) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('/'))
            return false;
    }
    return true;
}

QStringList StatusDaOS()
{
    return {QStringLiteral("Aberta"), QStringLiteral("Em andamento"), QStringLiteral("Finalizada"),
            QStringLiteral("SEM REPARO"), QStringLiteral("Retirado")};
}

QStringList FormasDePagamento()
{
    return {QStringLiteral("DINHEIRO"), QStringLiteral("CARTAO DEBITO"), QStringLiteral("CARTAO CREDITO"),
            QStringLiteral("PIX"), QStringLiteral("CHEQUE")};
}

TStatusOS ClassificarStatus(const QString& status)
{
    if (status == QLatin1String("Finalizada"))
        return TStatusOS::Finalizada;
    if (status == QLatin1String("Retirado"))
        return TStatusOS::Retirado;
    if (status == QLatin1String("SEM REPARO"))
        return TStatusOS::SemReparo;
    return TStatusOS::Outro;
}

QString ValorSimples(double valor, int casas)
{
    QLocale local;
    local.setNumberOptions(local.numberOptions() | QLocale::OmitGroupSeparator);
    if (casas >= 0)
        return local.toString(valor, 'f', casas);
    // o menor texto que representa o valor em centavos: 1234,5 e não 1234,50
    return local.toString(EmCentavos(valor) / 100.0, 'f', QLocale::FloatingPointShortest);
}

double NovoValorPago(double total, double jaPago, double agora)
{
    const qint64 cTotal = EmCentavos(total);
    const qint64 cJaPago = EmCentavos(jaPago);
    const qint64 cAgora = EmCentavos(agora);
    if (cAgora < 0)
        throw ERegraOS(QStringLiteral("O valor pago não pode ser negativo.").toStdString());
    if (cAgora == 0)
        return jaPago; // nada pago agora: fica como está
    if (cAgora == cTotal)
        return agora; // quita a OS, seja qual for o já pago
    if (cAgora > cTotal)
        throw ERegraOS(QStringLiteral("O valor pago (%1) é maior que o valor total da Ordem de Serviço (%2).")
                           .arg(FormatarValor(agora), FormatarValor(total))
                           .toStdString());
    if (cJaPago + cAgora > cTotal)
        throw ERegraOS(QStringLiteral("O valor pago (%1) somado ao que já foi pago (%2) passa do valor total da "
                                      "Ordem de Serviço (%3). Falta pagar %4.")
                           .arg(FormatarValor(agora), FormatarValor(jaPago), FormatarValor(total),
                                FormatarValor((cTotal - cJaPago) / 100.0))
                           .toStdString());
    return (cJaPago + cAgora) / 100.0;
}

bool FaltamDadosDoRecebimento(const QString& status, bool retorno, bool pago, const QString& forma,
                              const QString& dataPagto, const QString& valorPago)
{
    if (status != QLatin1String("Retirado") || retorno || !pago)
        return false;
    return forma.trimmed().isEmpty() || DataVazia(dataPagto) || valorPago.trimmed().isEmpty();
}
