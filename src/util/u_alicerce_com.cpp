#include "util/u_alicerce_com.h"

#include <QRandomGenerator>
#include <cmath>

#include "core/u_Dialogos.h"
#include "core/u_Valores.h"

namespace {

QString TirarCaractere(QString texto, QChar c)
{
    int pos;
    while ((pos = texto.indexOf(c)) >= 0)
        texto.remove(pos, 1);
    return texto;
}

const char* const Unidades[] = {"", "Um", "Dois", "Tres", "Quatro", "Cinco", "Seis", "Sete", "Oito", "Nove"};
const char* const Dez[] = {"",       "Onze",      "Doze",      "Treze",   "Quatorze",
                           "Quinze", "Dezesseis", "Dezessete", "Dezoito", "Dezenove"};
const char* const Dezenas[] = {"",          "Dez",      "Vinte",   "Trinta",  "Quarenta",
                               "Cinquenta", "Sessenta", "Setenta", "Oitenta", "Noventa"};
const char* const Centenas[] = {"",           "Cento",      "Duzentos",   "Trezentos",  "Quatrocentos",
                                "Quinhentos", "Seiscentos", "Setecentos", "Oitocentos", "Novecentos"};

QString ifs(bool condicao, const QString& a, const QString& b)
{
    return condicao ? a : b;
}

// Grupo de três dígitos ("000" a "999") por extenso.
QString MiniExtenso(const QString& trio)
{
    const int h = trio.at(0).digitValue();
    const int t = trio.at(1).digitValue();
    const int u = trio.at(2).digitValue();
    QString H, T, N;
    if (t == 1 && u != 0) {
        N = QString::fromLatin1(Dez[u]);
    } else {
        if (t != 0)
            T = QString::fromLatin1(Dezenas[t]);
        if (u != 0)
            N = QString::fromLatin1(Unidades[u]);
    }
    if (h == 1 && T.isEmpty() && N.isEmpty())
        H = QStringLiteral("cem");
    else if (h != 0)
        H = QString::fromLatin1(Centenas[h]);
    return H + ifs(!H.isEmpty() && (!T.isEmpty() || !N.isEmpty()), QStringLiteral(" e "), QString()) + T +
           ifs(!T.isEmpty() && !N.isEmpty(), QStringLiteral(" e "), QString()) + N;
}

const QString& ChaveCripto()
{
    static const QString chave = QStringLiteral(
        "P7RXW0TBQ5MZ8NCV2HGD4KFE9SJY1LAU6OIP3TQW7BZR0MXN5CKV8GDH2FJS4EYL9TUA1PRO6WIB3Z M7XNC0VKG5DHWQT");
    return chave;
}

// Posição na chave (1 a 94), que volta ao início depois do último caractere.
int ProximaPosicao(int pos)
{
    return pos < ChaveCripto().size() ? pos + 1 : 1;
}

int CodigoDaChave(int pos)
{
    return ChaveCripto().at(pos - 1).unicode();
}

bool EhHex(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

int LerHex(const QString& par)
{
    bool ok = !par.isEmpty();
    for (const QChar c : par)
        ok = ok && EhHex(c);
    if (!ok)
        throw EConversao(QStringLiteral("'%1' não é um valor hexadecimal válido").arg(par).toStdString());
    return par.toInt(nullptr, 16);
}

QString Decifrar(const QString& Src)
{
    int deslocamento = LerHex(Src.left(2));
    int posChave = 0;
    int pos = 2; // índice a partir de 0 do primeiro par depois do deslocamento
    QString resultado;
    do {
        const int valor = LerHex(Src.mid(pos, 2));
        posChave = ProximaPosicao(posChave);
        int t = valor ^ CodigoDaChave(posChave);
        if (t <= deslocamento)
            t = t + 255 - deslocamento;
        else
            t = t - deslocamento;
        resultado += QChar(static_cast<char16_t>(t));
        deslocamento = valor;
        pos += 2;
    } while (pos + 1 < Src.size()); // um dígito solto no fim não é lido
    return resultado;
}

} // namespace

QString TirarTracoValor(const QString& texto)
{
    return TirarCaractere(texto, QLatin1Char('-'));
}

QString TirarBarraValor(const QString& texto)
{
    return TirarCaractere(texto, QLatin1Char('/'));
}

QString TirarPontoValor(const QString& texto)
{
    return TirarCaractere(texto, QLatin1Char('.'));
}

bool VerCpf(const QString& cpf)
{
    if (cpf.isEmpty() || cpf == QLatin1String("   .   .   -  "))
        return false;
    QString numero = cpf;
    if (numero.contains(QLatin1Char('.')))
        numero = cpf.mid(0, 3) + cpf.mid(4, 3) + cpf.mid(8, 3) + cpf.mid(12, 2);

    QString base = numero.left(9);
    bool digitos = base.size() == 9;
    for (const QChar c : base)
        digitos = digitos && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digitos) {
        Dialogos().mensagem(QStringLiteral("Valor Informado não é valido !!"), QStringLiteral("Atenção"), TIcone::Erro);
        return false;
    }
    for (int digito = 0; digito < 2; ++digito) {
        int soma = 0;
        for (int i = 0; i < base.size(); ++i)
            soma += base.at(i).digitValue() * (base.size() + 1 - i);
        const int r = soma % 11;
        base += QChar(QLatin1Char('0').unicode() + (r < 2 ? 0 : 11 - r));
    }
    if (numero == base)
        return true;
    Dialogos().mensagem(QStringLiteral("C.P.F Inválido !!"), QStringLiteral("Atenção"), TIcone::Erro);
    return false;
}

QString extenso(double valor)
{
    // Arredonda antes de conferir o limite: 999.999,995 daria sete dígitos inteiros.
    const bool foraDoIntervalo = std::isnan(valor) || valor < 0 || valor > 999999.99 || EmCentavos(valor) > 99999999;
    if (foraDoIntervalo) {
        Dialogos().mensagem(QStringLiteral("O valor está fora do intervalo permitido."
                                           "O número deve ser maior ou igual a zero e menor que 999.999,99."
                                           " Se não for corrigido o número não será escrito por extenso."));
        return QString();
    }
    if (valor == 0)
        return QString();

    // "000000.00" sem o separador, que nunca é lido: milhares, unidades, centavos.
    const QString s = QStringLiteral("%1").arg(EmCentavos(valor), 8, 10, QLatin1Char('0'));
    const QString milhares = s.mid(0, 3);
    const QString unidades = s.mid(3, 3);
    const QString centavos = s.mid(6, 2);
    const QString M = MiniExtenso(milhares);
    const QString U = MiniExtenso(unidades);
    const QString C = MiniExtenso(QLatin1Char('0') + centavos);

    QString R = M;
    if (!M.isEmpty())
        R += ifs(unidades == QLatin1String("000"), QStringLiteral(" Mil reais"), QStringLiteral(" mil, "));
    if (!U.isEmpty() && (C.isEmpty() || (unidades.left(2) == QLatin1String("00") && !M.isEmpty() &&
                                         unidades.at(2) != QLatin1Char('0'))))
        R += QStringLiteral("  ");
    R += U;
    if (M.isEmpty() && unidades == QLatin1String("001"))
        R += QStringLiteral(" real");
    else if (unidades != QLatin1String("000"))
        R += QStringLiteral(" reais");
    if (C.isEmpty())
        return R;
    R = ifs(M.isEmpty() && U.isEmpty(), C, R + QStringLiteral(" e ") + C);
    return R + ifs(centavos == QLatin1String("01"), QStringLiteral(" centavo."), QStringLiteral(" centavos."));
}

QString CryptComDeslocamento(const QString& Src, int deslocamento)
{
    if (Src.isEmpty())
        return QString();
    deslocamento &= 0xFF;
    QString resultado = QStringLiteral("%1").arg(deslocamento, 2, 16, QLatin1Char('0')).toUpper();
    int posChave = 0;
    for (const QChar c : Src) {
        int valor = (c.unicode() + deslocamento) % 255;
        posChave = ProximaPosicao(posChave);
        valor ^= CodigoDaChave(posChave);
        resultado += QStringLiteral("%1").arg(valor, 2, 16, QLatin1Char('0')).toUpper();
        deslocamento = valor;
    }
    return resultado;
}

QString Crypt(const QString& Action, const QString& Src)
{
    if (Src.isEmpty())
        return QString();
    // Sem processar eventos a cada caractere: abriria reentrância no meio do login.
    if (Action == QLatin1String("C"))
        return CryptComDeslocamento(Src, static_cast<int>(QRandomGenerator::global()->bounded(256u)));
    if (Action == QLatin1String("D"))
        return Decifrar(Src);
    return QString();
}
