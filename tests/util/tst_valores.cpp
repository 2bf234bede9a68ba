#include <QLocale>
#include <limits>

#include "core/u_Valores.h"
#include "support/suporte.h"

// Troca o locale padrão só durante um teste.
struct LocaleTemporario
{
    QLocale anterior;
    explicit LocaleTemporario(const QLocale& novo) { QLocale::setDefault(novo); }
    ~LocaleTemporario() { QLocale::setDefault(anterior); }
};

class TesteValores : public QObject
{
    Q_OBJECT

private slots:
    void formatar_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("menos zero") << -0.0 << "0,00";
        QTest::newRow("negativo que arredonda a zero") << -0.004 << "0,00";
        QTest::newRow("centavos") << 0.5 << "0,50";
        QTest::newRow("milhar") << 1234.5 << "1.234,50";
        QTest::newRow("milhoes") << 1234567.891 << "1.234.567,89";
        QTest::newRow("negativo") << -3.5 << "-3,50";
        QTest::newRow("negativo com milhar") << -1234.5 << "-1.234,50";
        QTest::newRow("metade sobe 2,675") << 2.675 << "2,68";
        QTest::newRow("metade sobe 1,005") << 1.005 << "1,01";
        QTest::newRow("metade negativa") << -1.005 << "-1,01";
        QTest::newRow("vira o milhar") << 999.999 << "1.000,00";
        QTest::newRow("soma binaria") << 0.1 + 0.2 << "0,30";
        QTest::newRow("cem mil") << 100000.0 << "100.000,00";
    }
    void formatar()
    {
        QFETCH(double, valor);
        QFETCH(QString, esperado);
        QCOMPARE(FormatarValor(valor), esperado);
    }

    void emCentavos_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<qint64>("esperado");
        QTest::newRow("2,675") << 2.675 << qint64(268);
        QTest::newRow("-2,675") << -2.675 << qint64(-268);
        QTest::newRow("0,004") << 0.004 << qint64(0);
        QTest::newRow("999999,99") << 999999.99 << qint64(99999999);
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
        QTest::newRow("enorme") << 1e300 << std::numeric_limits<qint64>::max();
    }
    void emCentavos()
    {
        QFETCH(double, valor);
        QFETCH(qint64, esperado);
        QCOMPARE(EmCentavos(valor), esperado);
    }

    void lerValor_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("valor");
        QTest::newRow("com milhar") << "1.234,50" << true << 1234.5;
        QTest::newRow("dois milhares") << "1.234.567,8" << true << 1234567.8;
        QTest::newRow("milhar sem decimais") << "1.234" << true << 1234.0;
        QTest::newRow("sem milhar") << "1234,50" << true << 1234.5;
        QTest::newRow("uma decimal") << "2,5" << true << 2.5;
        QTest::newRow("inteiro") << "10" << true << 10.0;
        QTest::newRow("negativo") << "-3,5" << true << -3.5;
        QTest::newRow("negativo com milhar") << "-1.234,50" << true << -1234.5;
        QTest::newRow("brancos em volta") << "  10,25 " << true << 10.25;
        QTest::newRow("so decimais") << ",5" << true << 0.5;
        QTest::newRow("zero negativo") << "-0,00" << true << 0.0;
        QTest::newRow("o que FormatarValor mostra") << FormatarValor(98765.43) << true << 98765.43;
        QTest::newRow("ponto decimal") << "2.5" << false << 0.0;
        QTest::newRow("milhar mal agrupado") << "1.23,4" << false << 0.0;
        QTest::newRow("grupo longo") << "1.2345" << false << 0.0;
        QTest::newRow("primeiro grupo longo") << "1234.567" << false << 0.0;
        QTest::newRow("milhar na fracao") << "1,234.5" << false << 0.0;
        QTest::newRow("duas virgulas") << "1,2,3" << false << 0.0;
        QTest::newRow("letras") << "abc" << false << 0.0;
        QTest::newRow("letra no fim") << "12a" << false << 0.0;
        QTest::newRow("expoente") << "1e3" << false << 0.0;
        QTest::newRow("vazio") << "" << false << 0.0;
        QTest::newRow("brancos") << "   " << false << 0.0;
        QTest::newRow("so virgula") << "," << false << 0.0;
        QTest::newRow("so sinal") << "-" << false << 0.0;
        QTest::newRow("dois sinais") << "--3" << false << 0.0;
        QTest::newRow("branco no meio") << "1 234" << false << 0.0;
        QTest::newRow("moeda") << "R$ 10,00" << false << 0.0;
    }
    void lerValor()
    {
        QFETCH(QString, texto);
        QFETCH(bool, ok);
        QFETCH(double, valor);
        double lido = -99;
        QCOMPARE(LerValor(texto, lido), ok);
        if (ok) {
            QCOMPARE(lido, valor);
            QCOMPARE(ValorDeTexto(texto), valor);
        } else {
            QCOMPARE(lido, -99.0); // recusado não mexe no valor
            try {
                ValorDeTexto(texto);
                QFAIL("devia lançar EConversao");
            } catch (const EConversao& e) {
                QCOMPARE(QString::fromStdString(e.what()), QStringLiteral("'%1' não é um valor válido").arg(texto));
            }
        }
    }

    void localeDePontoDecimal_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("valor");
        QTest::newRow("com milhar") << "1,234.50" << true << 1234.5;
        QTest::newRow("ponto decimal") << "2.5" << true << 2.5;
        QTest::newRow("negativo") << "-3.5" << true << -3.5;
        QTest::newRow("virgula decimal") << "2,5" << false << 0.0;
        QTest::newRow("milhar mal agrupado") << "1,23.4" << false << 0.0;
    }
    void localeDePontoDecimal()
    {
        QFETCH(QString, texto);
        QFETCH(bool, ok);
        QFETCH(double, valor);
        LocaleTemporario locale(QLocale(QLocale::English, QLocale::UnitedStates));
        double lido = 0;
        QCOMPARE(LerValor(texto, lido), ok);
        if (ok)
            QCOMPARE(lido, valor);
        QCOMPARE(FormatarValor(-1234.5), QStringLiteral("-1,234.50"));
    }

    // O locale C não agrupa milhares por padrão; o padrão "#,#0.00" agrupa.
    void localeC()
    {
        LocaleTemporario locale(QLocale::c());
        QCOMPARE(FormatarValor(1234567.5), QStringLiteral("1,234,567.50"));
        QCOMPARE(ValorDeTexto(QStringLiteral("1,234,567.50")), 1234567.5);
    }

    void datas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("data"); // nula: inválida
        QTest::newRow("comum") << "05/03/2024" << QDate(2024, 3, 5);
        QTest::newRow("bissexto") << "29/02/2024" << QDate(2024, 2, 29);
        QTest::newRow("fim do ano") << "31/12/1999" << QDate(1999, 12, 31);
        QTest::newRow("brancos em volta") << " 01/01/2025 " << QDate(2025, 1, 1);
        QTest::newRow("31 de fevereiro") << "31/02/2024" << QDate();
        QTest::newRow("29 de fevereiro sem bissexto") << "29/02/2023" << QDate();
        QTest::newRow("mes 13") << "01/13/2024" << QDate();
        QTest::newRow("dia zero") << "00/01/2024" << QDate();
        QTest::newRow("ano zero") << "01/01/0000" << QDate();
        QTest::newRow("mascara vazia") << "  /  /    " << QDate();
        QTest::newRow("mascara pela metade") << "05/03/    " << QDate();
        QTest::newRow("dia com branco") << " 5/03/2024" << QDate();
        QTest::newRow("sem zeros") << "5/3/2024" << QDate();
        QTest::newRow("ano com dois digitos") << "05/03/24" << QDate();
        QTest::newRow("formato iso") << "2024-03-05" << QDate();
        QTest::newRow("vazio") << "" << QDate();
    }
    void datas()
    {
        QFETCH(QString, texto);
        QFETCH(QDate, data);
        QCOMPARE(DataValida(texto), data.isValid());
        if (data.isValid()) {
            QCOMPARE(DataDeTexto(texto), data);
            QCOMPARE(TextoDeData(data), texto.trimmed());
            return;
        }
        try {
            DataDeTexto(texto);
            QFAIL("devia lançar EConversao");
        } catch (const EConversao& e) {
            QCOMPARE(QString::fromStdString(e.what()), QStringLiteral("'%1' não é uma data válida").arg(texto));
        }
    }

    void textoDeDataNula() { QCOMPARE(TextoDeData(QDate()), QString()); }

    void win1252_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("cabe");
        QTest::newRow("vazio") << "" << true;
        QTest::newRow("acentos") << QStringLiteral("João Ávila, Conceição Ñ ÿ ª º ½") << true;
        QTest::newRow("os 27 de 0x80-0x9F") << QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ") << true;
        QTest::newRow("tab e quebras") << "a\tb\r\nc" << true;
        QTest::newRow("espaco rigido") << QStringLiteral("a\u00A0b") << true;
        QTest::newRow("sorriso") << QStringLiteral("ok ☺") << false;
        QTest::newRow("emoji") << QStringLiteral("ok 😀") << false;
        QTest::newRow("controle 0x81") << QStringLiteral("a\u0081") << false;
        QTest::newRow("DEL") << QStringLiteral("a\u007F") << false;
        QTest::newRow("controle 0x01") << QStringLiteral("a\u0001") << false;
        QTest::newRow("cirilico") << QStringLiteral("Ж") << false;
        QTest::newRow("aspas de 0x80-0x9F mas outras") << QStringLiteral("‛") << false;
    }
    void win1252()
    {
        QFETCH(QString, texto);
        QFETCH(bool, cabe);
        QCOMPARE(CabeEmWin1252(texto), cabe);
        QCOMPARE(ProblemaNoTexto(texto, 0, QStringLiteral("Nome")).isEmpty(), cabe);
    }

    void problemaNoTexto_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("maximo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("tudo certo") << "Maria da Silva" << 80 << "";
        QTest::newRow("no limite") << QString(80, QLatin1Char('x')) << 80 << "";
        QTest::newRow("longo") << QString(81, QLatin1Char('x')) << 80 << "O campo Nome aceita no máximo 80 caracteres";
        QTest::newRow("acentos contam um") << QString(80, QChar(u'ç')) << 80 << "";
        QTest::newRow("sem limite") << QString(500, QLatin1Char('x')) << 0 << "";
        QTest::newRow("caractere ruim") << QStringLiteral("Olá ☺") << 80
                                        << QStringLiteral(
                                               "O campo Nome contém caracteres que não podem ser gravados: ☺");
        QTest::newRow("varios, sem repetir")
            << QStringLiteral("a☺b☺c😀") << 80
            << QStringLiteral("O campo Nome contém caracteres que não podem ser gravados: ☺ 😀");
        QTest::newRow("controle pelo codigo")
            << QStringLiteral("a\u0001") << 80 << "O campo Nome contém caracteres que não podem ser gravados: U+0001";
        QTest::newRow("ruim e longo") << QStringLiteral("☺") + QString(90, QLatin1Char('x')) << 80
                                      << QStringLiteral("O campo Nome contém caracteres que não podem ser gravados: ☺");
    }
    void problemaNoTexto()
    {
        QFETCH(QString, texto);
        QFETCH(int, maximo);
        QFETCH(QString, esperado);
        QCOMPARE(ProblemaNoTexto(texto, maximo, QStringLiteral("Nome")), esperado);
    }
};

REGISTRAR_TESTE(TesteValores)
#include "tst_valores.moc"
