#include "core/u_Valores.h"

#include <QWidget>

#include "core/u_Dialogos.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

// O locale padrão, sempre com separador de milhar (o locale C vem sem ele).
QLocale LocaleComMilhar()
{
    QLocale loc;
    loc.setNumberOptions(loc.numberOptions() & ~QLocale::OmitGroupSeparator);
    return loc;
}

bool EhDigito(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Parte inteira com separador de milhar: o primeiro grupo com 1 a 3 dígitos, os outros com 3.
bool InteiroBemAgrupado(const QString& inteiro, const QString& separador)
{
    const QStringList grupos = inteiro.split(separador);
    for (int i = 0; i < grupos.size(); ++i) {
        const QString& g = grupos.at(i);
        if (i == 0 ? (g.isEmpty() || g.size() > 3) : g.size() != 3)
            return false;
        for (const QChar c : g)
            if (!EhDigito(c))
                return false;
    }
    return true;
}

bool SoDigitos(const QString& texto)
{
    for (const QChar c : texto)
        if (!EhDigito(c))
            return false;
    return true;
}

QString ErroDeData(const QString& texto)
{
    return QStringLiteral("'%1' não é uma data válida").arg(texto);
}

// Os 27 caracteres que o WIN1252 põe em 0x80-0x9F.
bool EhExtraDoWin1252(char16_t u)
{
    static const char16_t extras[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                                      0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    for (const char16_t e : extras)
        if (u == e)
            return true;
    return false;
}

bool CaractereWin1252(char32_t u)
{
    if (u == '\t' || u == '\r' || u == '\n')
        return true;
    if ((u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF))
        return true;
    return u <= 0xFFFF && EhExtraDoWin1252(static_cast<char16_t>(u));
}

} // namespace

qint64 EmCentavos(double valor)
{
    // Quinze algarismos significativos tiram o ruído binário (1,005 * 100 = 100,4999...).
    const double centavos = std::round(QString::number(valor * 100.0, 'g', 15).toDouble());
    if (std::isnan(centavos))
        return 0;
    // Fora do alcance de qint64 satura em vez de estourar.
    if (centavos >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (centavos <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(centavos);
}

QString FormatarValor(double valor)
{
    const QLocale loc = LocaleComMilhar();
    // Fora do alcance dos centavos inteiros, o que o locale der.
    if (!std::isfinite(valor) || std::fabs(valor) >= 1e15)
        return loc.toString(valor, 'f', 2);
    const qint64 centavos = EmCentavos(valor);
    const qint64 absoluto = centavos < 0 ? -centavos : centavos;
    QString texto = loc.toString(absoluto / 100) + loc.decimalPoint() +
                    QStringLiteral("%1").arg(absoluto % 100, 2, 10, QLatin1Char('0'));
    if (centavos < 0)
        texto.prepend(loc.negativeSign());
    return texto;
}

bool LerValor(const QString& texto, double& valor)
{
    const QLocale loc;
    const QString decimal = loc.decimalPoint();
    const QString milhar = loc.groupSeparator();
    QString t = texto.trimmed();

    bool negativo = false;
    if (t.startsWith(QLatin1Char('-')) || (!loc.negativeSign().isEmpty() && t.startsWith(loc.negativeSign()))) {
        negativo = true;
        t.remove(0, t.startsWith(QLatin1Char('-')) ? 1 : loc.negativeSign().size());
    }

    QString inteiro = t;
    QString fracao;
    const int posDecimal = t.indexOf(decimal);
    if (posDecimal >= 0) {
        inteiro = t.left(posDecimal);
        fracao = t.mid(posDecimal + decimal.size());
    }
    if (inteiro.isEmpty() && fracao.isEmpty())
        return false;
    if (!SoDigitos(fracao))
        return false;
    if (!milhar.isEmpty() && inteiro.contains(milhar)) {
        if (!InteiroBemAgrupado(inteiro, milhar))
            return false;
        inteiro.remove(milhar);
    } else if (!SoDigitos(inteiro)) {
        return false;
    }

    bool ok = false;
    const QString emC = (negativo ? QStringLiteral("-") : QString()) +
                        (inteiro.isEmpty() ? QStringLiteral("0") : inteiro) + QLatin1Char('.') +
                        (fracao.isEmpty() ? QStringLiteral("0") : fracao);
    const double lido = emC.toDouble(&ok); // QString::toDouble lê sempre no formato C
    if (!ok || !std::isfinite(lido))
        return false;
    valor = lido == 0 ? 0.0 : lido;
    return true;
}

double ValorDeTexto(const QString& texto)
{
    double valor = 0;
    if (!LerValor(texto, valor))
        throw EConversao(QStringLiteral("'%1' não é um valor válido").arg(texto).toStdString());
    return valor;
}

QDate DataDeTexto(const QString& texto)
{
    static const QRegularExpression formato(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{4})$"));
    const QRegularExpressionMatch m = formato.match(texto.trimmed());
    if (!m.hasMatch())
        throw EConversao(ErroDeData(texto).toStdString());
    const QDate data(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!data.isValid())
        throw EConversao(ErroDeData(texto).toStdString());
    return data;
}

bool DataValida(const QString& texto)
{
    try {
        DataDeTexto(texto);
        return true;
    } catch (const EConversao&) {
        return false;
    }
}

QString TextoDeData(const QDate& data)
{
    return data.isNull() ? QString() : data.toString(QStringLiteral("dd/MM/yyyy"));
}

bool CabeEmWin1252(const QString& texto)
{
    for (const char32_t u : texto.toUcs4())
        if (!CaractereWin1252(u))
            return false;
    return true;
}

QString ProblemaNoTexto(const QString& texto, int tamanhoMaximo, const QString& campo)
{
    QStringList ruins;
    for (const char32_t u : texto.toUcs4()) {
        if (CaractereWin1252(u))
            continue;
        // Controles não aparecem na mensagem; mostra o código deles.
        const QString c = QChar::isPrint(u) ? QString::fromUcs4(&u, 1)
                                            : QStringLiteral("U+%1").arg(quint32(u), 4, 16, QLatin1Char('0')).toUpper();
        if (!ruins.contains(c))
            ruins << c;
    }
    if (!ruins.isEmpty())
        return QStringLiteral("O campo %1 contém caracteres que não podem ser gravados: %2")
            .arg(campo, ruins.join(QLatin1Char(' ')));
    if (tamanhoMaximo > 0 && texto.size() > tamanhoMaximo)
        return QStringLiteral("O campo %1 aceita no máximo %2 caracteres").arg(campo).arg(tamanhoMaximo);
    return QString();
}

bool TextosAceitos(const QVector<TTextoConferido>& textos, const QString& prefixo)
{
    for (const TTextoConferido& t : textos) {
        const QString problema = ProblemaNoTexto(t.texto, t.tamanhoMaximo, t.campo);
        if (!problema.isEmpty()) {
            Dialogos().mensagem(prefixo + problema);
            if (t.foco)
                t.foco->setFocus();
            return false;
        }
    }
    return true;
}
