// Consultas de CEP e CNPJ contra um servidor HTTP local.
#include "customers/u_ConsultasWeb.h"
#include "support/servidor_http_teste.h"
#include "support/suporte.h"

namespace {

// Config.ini do ambiente com os serviços apontando para as bases dadas.
void apontarServicos(AmbienteTeste& amb, const QString& baseCep, const QString& baseCnpj)
{
    amb.escreverConfig({"[CONEXAO]", "StrCon=" + amb.caminhoBase(), "Modulo=C0M_ORDEM_DE_SERVICO",
                        "Preview_na_Venda=SIM", "[WEBSERVICES]", "CEP=" + baseCep, "CNPJ=" + baseCnpj});
}

const QByteArray kCepSe = R"({"cep": "01001-000", "logradouro": "Praça da Sé", "complemento": "lado ímpar",
    "bairro": "Sé", "localidade": "São Paulo", "uf": "SP", "ibge": "3550308", "gia": "1004", "ddd": "11",
    "siafi": "7107"})";

} // namespace

Q_DECLARE_METATYPE(TSituacaoConsulta)
Q_DECLARE_METATYPE(TServidorHttpTeste::Resposta)

class TesteConsultasWeb : public QObject
{
    Q_OBJECT
private slots:
    void init() { DefinirTempoLimiteConsultas(2000); }
    void cleanup() { DefinirTempoLimiteConsultas(10000); }

    void julgamentoDaResposta_data()
    {
        QTest::addColumn<TServidorHttpTeste::Resposta>("resposta");
        QTest::addColumn<TSituacaoConsulta>("situacao");
        QTest::addColumn<QString>("mensagem"); // vazio: nenhuma mensagem
        auto r = [](int status, const QByteArray& corpo, int atraso = 0, bool fechar = false) {
            TServidorHttpTeste::Resposta x;
            x.status = status;
            x.corpo = corpo;
            x.atrasoMs = atraso;
            x.fechar = fechar;
            return x;
        };
        QTest::newRow("200 com endereço") << r(200, kCepSe) << TSituacaoConsulta::Encontrado << QString();
        QTest::newRow("200 com erro") << r(200, R"({"erro": true})") << TSituacaoConsulta::NaoEncontrado
                                      << "CEP não encontrado";
        QTest::newRow("200 com erro em texto")
            << r(200, R"({"erro": "true"})") << TSituacaoConsulta::NaoEncontrado << "CEP não encontrado";
        QTest::newRow("ERRO maiúsculo não conta")
            << r(200, R"({"ERRO": true, "logradouro": "Rua X"})") << TSituacaoConsulta::Encontrado << QString();
        // "Serro" e "Ferro" contêm "erro": são endereços, não a falta deles
        QTest::newRow("cidade Serro") << r(200, R"({"logradouro": "Rua do Ferro", "localidade": "Serro", "uf": "MG"})")
                                      << TSituacaoConsulta::Encontrado << QString();
        QTest::newRow("400") << r(400, R"({"erro": true})") << TSituacaoConsulta::SemResposta << QString();
        QTest::newRow("404") << r(404, "Not Found") << TSituacaoConsulta::SemResposta << QString();
        QTest::newRow("500") << r(500, "falhou") << TSituacaoConsulta::SemResposta << QString();
        QTest::newRow("resposta que não é json")
            << r(200, "<html>manutenção</html>") << TSituacaoConsulta::Falhou
            << "Atenção\nNão foi possível consultar o CEP: a resposta do serviço não pôde ser lida.";
        QTest::newRow("fecha sem responder")
            << r(200, "", 0, true) << TSituacaoConsulta::Falhou
            << "Atenção\nNão foi possível consultar o CEP: o servidor fechou a conexão sem responder.";
        QTest::newRow("tempo esgotado")
            << r(200, kCepSe, 1500) << TSituacaoConsulta::Falhou
            << "Atenção\nNão foi possível consultar o CEP: o serviço não respondeu em 300 ms.";
    }
    void julgamentoDaResposta()
    {
        QFETCH(TServidorHttpTeste::Resposta, resposta);
        QFETCH(TSituacaoConsulta, situacao);
        QFETCH(QString, mensagem);
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor.endereco("/ws/"), servidor.endereco("/v1/cnpj/"));
        servidor.responder("/ws/01001-000/json", resposta);
        DefinirTempoLimiteConsultas(300);

        const TRespostaConsulta r = ConsultarCEP("01001-000");
        QCOMPARE(r.situacao, situacao);
        QCOMPARE(AvisarResultadoConsulta(r), situacao == TSituacaoConsulta::Encontrado);
        QCOMPARE(amb.dialogos().mensagens(), mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        QCOMPARE(QApplication::overrideCursor(), nullptr); // o cursor de espera não fica
    }

    void conexaoRecusada()
    {
        AmbienteTeste amb;
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(TServidorHttpTeste::portaSemServidor());
        apontarServicos(amb, base + "/ws/", base + "/v1/cnpj/");
        const TRespostaConsulta r = ConsultarCNPJ("12345678000190");
        QCOMPARE(r.situacao, TSituacaoConsulta::Falhou);
        AvisarResultadoConsulta(r);
        QCOMPARE(amb.dialogos().mensagens(),
                 QStringList{"Atenção\nNão foi possível consultar o CNPJ: a conexão foi recusada pelo servidor."});
    }

    void pedidoDoCep()
    {
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        // a base sem a barra final também serve
        apontarServicos(amb, servidor.endereco("/ws"), servidor.endereco("/v1/cnpj/"));
        servidor.responder("/ws/01001-000/json", 200, kCepSe);
        const TRespostaConsulta r = ConsultarCEP("01001-000");
        QVERIFY(r.encontrado());
        QCOMPARE(servidor.pedidos().size(), 1);
        const auto& pedido = servidor.pedidos().first();
        QCOMPARE(pedido.metodo, QByteArray("GET"));
        QCOMPARE(pedido.caminho, QStringLiteral("/ws/01001-000/json"));
        QCOMPARE(pedido.cabecalhos.value("accept"),
                 QByteArray("application/json, text/plain; q=0.9, text/html;q=0.8,"));
        QCOMPARE(pedido.cabecalhos.value("accept-charset"), QByteArray("utf-8, *;q=0.8"));

        // membros sem diferenciar a caixa; o que falta vem vazio
        QCOMPARE(r.membro("LOGRADOURO"), QStringLiteral("Praça da Sé"));
        QCOMPARE(r.membro("Bairro"), QStringLiteral("Sé"));
        QCOMPARE(r.membro("ibge"), QStringLiteral("3550308"));
        QCOMPARE(r.membro("NAOEXISTE"), QString());
        QCOMPARE(EnderecoDoCEP(r), QStringLiteral("Praça da Sé - lado ímpar"));
    }

    void complementoVazioOuAusente_data()
    {
        QTest::addColumn<QByteArray>("corpo");
        QTest::newRow("vazio") << QByteArray(R"({"logradouro": "Rua Augusta", "complemento": ""})");
        QTest::newRow("ausente") << QByteArray(R"({"logradouro": "Rua Augusta"})");
        QTest::newRow("nulo") << QByteArray(R"({"logradouro": "Rua Augusta", "complemento": null})");
    }
    void complementoVazioOuAusente()
    {
        QFETCH(QByteArray, corpo);
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor.endereco("/ws/"), servidor.endereco("/v1/cnpj/"));
        servidor.responder("/ws/01412-100/json", 200, corpo);
        QCOMPARE(EnderecoDoCEP(ConsultarCEP("01412-100")), QStringLiteral("Rua Augusta - "));
    }

    void numeroDoCnpj_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("caminho");
        QTest::newRow("com pontuação") << "12.345.678/0001-90"
                                       << "/v1/cnpj/12345678000190";
        QTest::newRow("só dígitos") << "12345678000190"
                                    << "/v1/cnpj/12345678000190";
        QTest::newRow("brancos vão como estão") << "12 345 678/0001-90"
                                                << "/v1/cnpj/12%20345%20678000190";
    }
    void numeroDoCnpj()
    {
        QFETCH(QString, digitado);
        QFETCH(QString, caminho);
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor.endereco("/ws/"), servidor.endereco("/v1/cnpj/"));
        ConsultarCNPJ(digitado);
        QCOMPARE(servidor.pedidos().size(), 1);
        QCOMPARE(servidor.pedidos().first().caminho, caminho);
    }

    void respostaDoCnpj()
    {
        AmbienteTeste amb;
        TServidorHttpTeste servidor;
        apontarServicos(amb, servidor.endereco("/ws/"), servidor.endereco("/v1/cnpj/"));
        servidor.responder("/v1/cnpj/12345678000190", 200,
                           R"({"status": "OK", "nome": "ACME PECAS LTDA", "logradouro": "AV BRASIL", "numero": "1500",
                               "uf": "SP", "cep": "13.045-610", "municipio": "CAMPINAS",
                               "telefone": "(19) 3232-4545 / (19) 99876-5432", "qsa": [{"nome": "FULANO"}]})");
        servidor.responder("/v1/cnpj/11111111111111", 200, R"({"status": "ERROR", "message": "CNPJ inválido"})");

        const TRespostaConsulta r = ConsultarCNPJ("12.345.678/0001-90");
        QVERIFY(r.encontrado());
        QCOMPARE(r.membro("NOME"), QStringLiteral("ACME PECAS LTDA"));
        QCOMPARE(EnderecoDoCNPJ(r), QStringLiteral("AV BRASIL , 1500"));
        QCOMPARE(CEPDoCNPJ(r), QStringLiteral("13045610"));
        QCOMPARE(r.membro("MUNICIPIO"), QStringLiteral("CAMPINAS"));
        QCOMPARE(TelefoneDoCNPJ(r), QStringLiteral("1932324545"));

        // o serviço responde 200 com status ERROR para o número que não existe
        const TRespostaConsulta falta = ConsultarCNPJ("11111111111111");
        QCOMPARE(falta.situacao, TSituacaoConsulta::NaoEncontrado);
        QVERIFY(!AvisarResultadoConsulta(falta));
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"CNPJ não encontrado"});
    }

    void limparCnpj()
    {
        QCOMPARE(LimparCNPJ("12.345.678/0001-90"), QStringLiteral("12345678000190"));
        QCOMPARE(LimparCNPJ(" 12.345"), QStringLiteral(" 12345"));
    }
};

REGISTRAR_TESTE(TesteConsultasWeb)
#include "tst_consultas_web.moc"
