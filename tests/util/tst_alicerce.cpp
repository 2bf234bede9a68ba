#include <cmath>
#include <limits>
#include <memory>

#include "core/u_Valores.h"
#include "support/suporte.h"
#include "util/u_alicerce_com.h"

class TesteAlicerce : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeDialogos> m_dialogos;

private slots:
    void init()
    {
        m_dialogos = std::make_unique<FakeDialogos>();
        InstalarDialogos(m_dialogos.get());
    }
    void cleanup()
    {
        InstalarDialogos(nullptr);
        m_dialogos.reset();
    }

    void removedores_data()
    {
        QTest::addColumn<QString>("qual");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("ponto no cnpj") << "ponto"
                                       << "12.345.678/0001-90"
                                       << "12345678/0001-90";
        QTest::newRow("barra no cnpj") << "barra"
                                       << "12.345.678/0001-90"
                                       << "12.345.6780001-90";
        QTest::newRow("traco no cnpj") << "traco"
                                       << "12.345.678/0001-90"
                                       << "12.345.678/000190";
        QTest::newRow("tracos seguidos") << "traco"
                                         << "--a-b--"
                                         << "ab";
        QTest::newRow("so pontos") << "ponto"
                                   << "..."
                                   << "";
        QTest::newRow("barras nas pontas") << "barra"
                                           << "/x/y/"
                                           << "xy";
        QTest::newRow("sem o caractere") << "ponto"
                                         << "12345-6/7"
                                         << "12345-6/7";
        QTest::newRow("vazio traco") << "traco"
                                     << ""
                                     << "";
        QTest::newRow("vazio barra") << "barra"
                                     << ""
                                     << "";
        QTest::newRow("vazio ponto") << "ponto"
                                     << ""
                                     << "";
    }
    void removedores()
    {
        QFETCH(QString, qual);
        QFETCH(QString, texto);
        QFETCH(QString, esperado);
        const QString r = qual == "ponto"   ? TirarPontoValor(texto)
                          : qual == "barra" ? TirarBarraValor(texto)
                                            : TirarTracoValor(texto);
        QCOMPARE(r, esperado);
    }

    void removedoresEmCadeia()
    {
        const QString cnpj = QStringLiteral("12.345.678/0001-90");
        QCOMPARE(TirarTracoValor(TirarBarraValor(TirarPontoValor(cnpj))), QStringLiteral("12345678000190"));
        QCOMPARE(TirarPontoValor(TirarTracoValor(TirarBarraValor(cnpj))), QStringLiteral("12345678000190"));
    }

    void extensoDoValor_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("0") << 0.0 << "";
        QTest::newRow("0.004") << 0.004 << "";
        QTest::newRow("0.01") << 0.01 << "Um centavo.";
        QTest::newRow("0.50") << 0.50 << "Cinquenta centavos.";
        QTest::newRow("1.00") << 1.00 << "  Um real";
        QTest::newRow("1.01") << 1.01 << "Um real e Um centavo.";
        QTest::newRow("2.00") << 2.00 << "  Dois reais";
        QTest::newRow("11.00") << 11.00 << "  Onze reais";
        QTest::newRow("21.00") << 21.00 << "  Vinte e Um reais";
        QTest::newRow("100.00") << 100.00 << "  cem reais";
        QTest::newRow("101.00") << 101.00 << "  Cento e Um reais";
        QTest::newRow("110.00") << 110.00 << "  Cento e Dez reais";
        QTest::newRow("1000.00") << 1000.00 << "Um Mil reais";
        QTest::newRow("1001.00") << 1001.00 << "Um mil,   Um reais";
        QTest::newRow("1100.00") << 1100.00 << "Um mil,   cem reais";
        QTest::newRow("1234.56") << 1234.56 << "Um mil, Duzentos e Trinta e Quatro reais e Cinquenta e Seis centavos.";
        QTest::newRow("2500.00") << 2500.00 << "Dois mil,   Quinhentos reais";
        QTest::newRow("2500.50") << 2500.50 << "Dois mil, Quinhentos reais e Cinquenta centavos.";
        QTest::newRow("21000.00") << 21000.00 << "Vinte e Um Mil reais";
        QTest::newRow("100000.00") << 100000.00 << "cem Mil reais";
        QTest::newRow("999999.99") << 999999.99
                                   << "Novecentos e Noventa e Nove mil, Novecentos e Noventa e Nove reais e Noventa e "
                                      "Nove centavos.";
        // grupos de três dígitos
        QTest::newRow("10") << 10.0 << "  Dez reais";
        QTest::newRow("19") << 19.0 << "  Dezenove reais";
        QTest::newRow("20") << 20.0 << "  Vinte reais";
        QTest::newRow("115") << 115.0 << "  Cento e Quinze reais";
        QTest::newRow("200") << 200.0 << "  Duzentos reais";
        QTest::newRow("305") << 305.0 << "  Trezentos e Cinco reais";
        QTest::newRow("999") << 999.0 << "  Novecentos e Noventa e Nove reais";
        QTest::newRow("0.10") << 0.10 << "Dez centavos.";
        QTest::newRow("0.14") << 0.14 << "Quatorze centavos.";
        QTest::newRow("0.99") << 0.99 << "Noventa e Nove centavos.";
        // milhares com unidades de um dígito e centavos: os dois brancos aparecem
        QTest::newRow("1001.50") << 1001.50 << "Um mil,   Um reais e Cinquenta centavos.";
        QTest::newRow("1000.50") << 1000.50 << "Um Mil reais e Cinquenta centavos.";
        QTest::newRow("1010.01") << 1010.01 << "Um mil, Dez reais e Um centavo.";
        QTest::newRow("2.35") << 2.35 << "Dois reais e Trinta e Cinco centavos.";
        QTest::newRow("16000.16") << 16000.16 << "Dezesseis Mil reais e Dezesseis centavos.";
        // arredondamento ao centavo, metade para longe do zero
        QTest::newRow("1.005") << 1.005 << "Um real e Um centavo.";
        QTest::newRow("0.995") << 0.995 << "  Um real";
    }
    void extensoDoValor()
    {
        QFETCH(double, valor);
        QFETCH(QString, esperado);
        QCOMPARE(extenso(valor), esperado);
        QVERIFY(m_dialogos->mensagens().isEmpty());
    }

    void extensoForaDoIntervalo_data()
    {
        QTest::addColumn<double>("valor");
        QTest::newRow("1000000") << 1000000.0;
        QTest::newRow("-1") << -1.0;
        QTest::newRow("-0.01") << -0.01;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinito") << std::numeric_limits<double>::infinity();
        // arredondado daria 1.000.000,00, sete dígitos inteiros
        QTest::newRow("999999.995") << 999999.995;
    }
    void extensoForaDoIntervalo()
    {
        QFETCH(double, valor);
        QCOMPARE(extenso(valor), QString());
        QCOMPARE(m_dialogos->mensagens(),
                 QStringList{"O valor está fora do intervalo permitido.O número deve ser maior ou igual a zero e menor "
                             "que 999.999,99. Se não for corrigido o número não será escrito por extenso."});
        QCOMPARE(m_dialogos->icones(), QStringList{"nenhum"});
    }

    void verCpf_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("esperado");
        QTest::addColumn<QString>("mensagem");
        const QString invalido = QStringLiteral("C.P.F Inválido !!");
        const QString naoValido = QStringLiteral("Valor Informado não é valido !!");
        QTest::newRow("mascara vazia") << "   .   .   -  " << false << "";
        QTest::newRow("vazio") << "" << false << "";
        QTest::newRow("com mascara") << "529.982.247-25" << true << "";
        QTest::newRow("so digitos") << "52998224725" << true << "";
        QTest::newRow("primeiro digito zero") << "123.456.789-09" << true << "";
        QTest::newRow("todos iguais") << "111.111.111-11" << true << "";
        QTest::newRow("zeros") << "000.000.000-00" << true << "";
        QTest::newRow("ultimo digito trocado") << "529.982.247-26" << false << invalido;
        QTest::newRow("primeiro verificador trocado") << "529.982.247-15" << false << invalido;
        QTest::newRow("so digitos trocado") << "52998224724" << false << invalido;
        QTest::newRow("hifen sem pontos") << "529982247-25" << false << invalido;
        QTest::newRow("verificadores em branco") << "529.982.247-  " << false << invalido;
        QTest::newRow("mascara pela metade") << "529.982.2  -  " << false << naoValido;
        QTest::newRow("curto sem pontos") << "52998224" << false << naoValido;
        QTest::newRow("letra") << "52a.982.247-25" << false << naoValido;
    }
    void verCpf()
    {
        QFETCH(QString, texto);
        QFETCH(bool, esperado);
        QFETCH(QString, mensagem);
        QCOMPARE(VerCpf(texto), esperado);
        if (mensagem.isEmpty()) {
            QVERIFY(m_dialogos->mensagens().isEmpty());
        } else {
            QCOMPARE(m_dialogos->mensagens(), QStringList{mensagem});
            QCOMPARE(m_dialogos->mostrados().constLast().titulo, QStringLiteral("Atenção"));
            QCOMPARE(m_dialogos->icones(), QStringList{"erro"});
        }
    }

    // Vetores calculados à mão a partir da chave, para um deslocamento fixo.
    void cryptVetores_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("deslocamento");
        QTest::addColumn<QString>("cifrado");
        QTest::newRow("A com 0") << "A" << 0 << "0011";
        QTest::newRow("abc com 0") << "abc" << 0 << "0031A45A";
        QTest::newRow("SENHA com 5A") << "SENHA" << 0x5A << "5AFD74908096";
        QTest::newRow("1234 com FF") << "1234" << 0xFF << "FF61A485E1";
        QTest::newRow("admin com 10") << "admin" << 0x10 << "1021B27283A6";
    }
    void cryptVetores()
    {
        QFETCH(QString, texto);
        QFETCH(int, deslocamento);
        QFETCH(QString, cifrado);
        QCOMPARE(CryptComDeslocamento(texto, deslocamento), cifrado);
        QCOMPARE(Crypt("D", cifrado), texto);
        QCOMPARE(Crypt("D", cifrado.toLower()), texto);
    }

    void cryptDecifraTextosCurtos_data()
    {
        QTest::addColumn<QString>("cifrado");
        QTest::addColumn<QString>("esperado");
        // três caracteres: o único dígito depois do deslocamento é lido sozinho
        QTest::newRow("tres caracteres") << "7F1" << QStringLiteral("Ñ");
        // um dígito solto no fim de um texto maior não é lido
        QTest::newRow("digito solto no fim") << "00115"
                                             << "A";
        QTest::newRow("00FF") << "00FF" << QStringLiteral("¯");
    }
    void cryptDecifraTextosCurtos()
    {
        QFETCH(QString, cifrado);
        QFETCH(QString, esperado);
        QCOMPARE(Crypt("D", cifrado), esperado);
    }

    void cryptIdaEVolta_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("um caractere") << "x";
        QTest::newRow("senha comum") << "Senha@2024";
        QTest::newRow("acentos") << QStringLiteral("ação çé ÿ");
        QTest::newRow("39 caracteres") << QString(39, QLatin1Char('z'));
        QTest::newRow("95 caracteres") << QString(95, QLatin1Char('k'));
        QString longo;
        for (int i = 0; i < 300; ++i)
            longo += QChar(char16_t(33 + i % 94));
        QTest::newRow("300 caracteres") << longo;
    }
    void cryptIdaEVolta()
    {
        QFETCH(QString, texto);
        const QString cifrado = Crypt("C", texto);
        QCOMPARE(cifrado.size(), 2 + 2 * texto.size());
        QCOMPARE(cifrado, cifrado.toUpper());
        for (const QChar c : cifrado)
            QVERIFY2(QStringLiteral("0123456789ABCDEF").contains(c), qPrintable(cifrado));
        QCOMPARE(Crypt("D", cifrado), texto);
        QCOMPARE(Crypt("D", cifrado.toLower()), texto);
    }

    // Todo código de 1 a 254 volta igual, com qualquer deslocamento inicial.
    void cryptTodosOsDeslocamentos()
    {
        QString todos;
        for (int c = 1; c <= 254; ++c)
            todos += QChar(char16_t(c));
        for (int d = 0; d <= 255; ++d)
            QCOMPARE(Crypt("D", CryptComDeslocamento(todos, d)), todos);
    }

    void cryptCodigo255()
    {
        const QString yTrema(QChar(char16_t(255)));
        for (int d = 0; d < 255; ++d)
            QCOMPARE(Crypt("D", CryptComDeslocamento(yTrema, d)), yTrema);
        QVERIFY(Crypt("D", CryptComDeslocamento(yTrema, 255)) != yTrema);
        // acima de 255 cifra num par, mas não volta
        const QString euro = QStringLiteral("€");
        QCOMPARE(Crypt("C", euro).size(), 4);
        QVERIFY(Crypt("D", Crypt("C", euro)) != euro);
    }

    void cryptSorteiaDeslocamento()
    {
        QSet<QString> cifras;
        for (int i = 0; i < 20; ++i)
            cifras.insert(Crypt("C", QStringLiteral("segredo")));
        QVERIFY(cifras.size() > 1);
    }

    void cryptAcoesEVazio_data()
    {
        QTest::addColumn<QString>("acao");
        QTest::addColumn<QString>("src");
        QTest::newRow("c minusculo") << "c"
                                     << "abc";
        QTest::newRow("d minusculo") << "d"
                                     << "0031A45A";
        QTest::newRow("acao vazia") << ""
                                    << "abc";
        QTest::newRow("outra letra") << "X"
                                     << "abc";
        QTest::newRow("palavra") << "CD"
                                 << "abc";
        QTest::newRow("cifrar vazio") << "C"
                                      << "";
        QTest::newRow("decifrar vazio") << "D"
                                        << "";
    }
    void cryptAcoesEVazio()
    {
        QFETCH(QString, acao);
        QFETCH(QString, src);
        QCOMPARE(Crypt(acao, src), QString());
    }

    void cryptDecifrarInvalido_data()
    {
        QTest::addColumn<QString>("src");
        QTest::newRow("um caractere") << "0";
        QTest::newRow("dois caracteres") << "00";
        QTest::newRow("deslocamento nao hexa") << "ZZ11";
        QTest::newRow("par nao hexa") << "00GG";
        QTest::newRow("branco no meio") << "0011 2";
        QTest::newRow("sinal") << "00-1";
        QTest::newRow("texto comum") << "senha";
    }
    void cryptDecifrarInvalido()
    {
        QFETCH(QString, src);
        QVERIFY_THROWS_EXCEPTION(EConversao, Crypt("D", src));
    }
};

REGISTRAR_TESTE(TesteAlicerce)
#include "tst_alicerce.moc"
