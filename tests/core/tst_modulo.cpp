// Criação do módulo de dados, convenção de escrita e datasets.
#include <QFile>
#include <QTableView>

#include "core/u_ArquivoIni.h"
#include "core/u_Relogio.h"
#include "support/suporte.h"

class TesteModuloDados : public QObject
{
    Q_OBJECT
private slots:
    void semConfigIni()
    {
        OpcoesAmbiente op;
        op.criarModulo = false;
        op.escreverConfig = false;
        AmbienteTeste amb(op);
        QVERIFY(!amb.criarModulo());
        QCOMPARE(amb.dialogos().mensagens(),
                 QStringList{QStringLiteral("Arquivo de configuracao do banco de dados não encontrado")});
    }

    void falhasDeConexao_data()
    {
        QTest::addColumn<QStringList>("config");
        QTest::addColumn<QString>("inicioDaMensagem");
        QTest::newRow("sem StrCon") << QStringList{"[CONEXAO]", "Modulo=X"} << QStringLiteral("Erro ocorrido : ");
        QTest::newRow("c: inexistente") << QStringList{"[CONEXAO]", "StrCon=c:\\dados\\BASE.FDB"}
                                        << QStringLiteral("Arquivo de base de dados não existe no local : \n"
                                                          "c:\\dados\\BASE.FDB");
        QTest::newRow("caminho local inexistente")
            << QStringList{"[CONEXAO]", "StrCon=/nao/existe/BASE.FDB"}
            << QStringLiteral("Arquivo de base de dados não existe no local : \n/nao/existe/BASE.FDB");
        QTest::newRow("outra letra de unidade: a conexão decide")
            << QStringList{"[CONEXAO]", "StrCon=D:\\dados\\BASE.FDB"} << QStringLiteral("Erro ocorrido : ");
    }
    void falhasDeConexao()
    {
        QFETCH(QStringList, config);
        QFETCH(QString, inicioDaMensagem);
        OpcoesAmbiente op;
        op.criarModulo = false;
        AmbienteTeste amb(op);
        amb.escreverConfig(config);
        QVERIFY(!amb.criarModulo());
        QCOMPARE(amb.dialogos().mensagens().size(), 1);
        QVERIFY2(amb.dialogos().ultimaMensagem().startsWith(inicioDaMensagem),
                 qPrintable(amb.dialogos().ultimaMensagem()));
        if (inicioDaMensagem.startsWith(QLatin1String("Erro ocorrido")))
            QVERIFY(amb.dialogos().ultimaMensagem().size() > inicioDaMensagem.size());
    }

    void leConfiguracao()
    {
        AmbienteTeste amb;
        QCOMPARE(amb.modulo()->vp_conexao_estabelecida, amb.caminhoBase());
        QCOMPARE(amb.modulo()->vp_Modulo, QStringLiteral("C0M_ORDEM_DE_SERVICO"));
        QCOMPARE(amb.modulo()->vp_Preview_Venda, QStringLiteral("SIM"));
        QCOMPARE(amb.modulo()->vp_caminho_aplicacao, amb.pastaAplicacao());
        QVERIFY(amb.dialogos().mostrados().isEmpty());

        amb.escreverConfig({"[CONEXAO]", "StrCon=" + amb.caminhoBase()});
        QVERIFY(amb.criarModulo());
        QCOMPARE(amb.modulo()->vp_Modulo, QStringLiteral("Erro ao ler o valor"));
        QCOMPARE(amb.modulo()->vp_Preview_Venda, QStringLiteral("Erro ao ler o valor"));
    }

    // Uma escrita que falha no meio de uma operação não deixa nada gravado.
    void escritaQueFalhaNaoDeixaNada()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        const int antes = amb.valor("SELECT COUNT(*) FROM SERVICOS").toInt();
        QVERIFY_THROWS_EXCEPTION(EErroBanco, dm->EmTransacao([&] {
            dm->Executar({"INSERT INTO SERVICOS (SERVICO, VALOR) VALUES (:S, :V)"},
                         {{"S", QStringLiteral("TROCA DE TELA")}, {"V", 150.0}});
            dm->Executar({"INSERT INTO TABELA_QUE_NAO_EXISTE VALUES (1)"});
        }));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM SERVICOS").toInt(), antes);
        // e a próxima escrita não leva junto o que sobrou da que falhou
        QVERIFY_THROWS_EXCEPTION(EErroBanco, dm->Executar({"INSERT INTO SERVICOS (SERVICO, VALOR) VALUES ('A', 'x')"}));
        dm->Executar({"INSERT INTO SERVICOS (SERVICO, VALOR) VALUES (:S, :V)"},
                     {{"S", QStringLiteral("LIMPEZA")}, {"V", 30.5}});
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM SERVICOS").toInt(), antes + 1);
        QCOMPARE(amb.valor("SELECT VALOR FROM SERVICOS WHERE SERVICO = 'LIMPEZA'").toDouble(), 30.5);
    }

    void textosComAcentoEValores()
    {
        AmbienteTeste amb;
        amb.exec("INSERT INTO SERVICOS (SERVICO, VALOR) VALUES (:S, :V)",
                 {{"S", QStringLiteral("CONEXÃO DE ÁUDIO – JOÃO")}, {"V", 1234.5}});
        QCOMPARE(amb.valor("SELECT SERVICO FROM SERVICOS WHERE VALOR = 1234.50").toString(),
                 QStringLiteral("CONEXÃO DE ÁUDIO – JOÃO"));
        const QSqlRecord vazio = amb.modulo()->LerRegistro({"SELECT * FROM SERVICOS WHERE CDCONTROLE = -1"});
        QCOMPARE(vazio.value("SERVICO").toString(), QString());
        QCOMPARE(vazio.value("VALOR").toDouble(), 0.0);
    }

    // Mover a linha atual da lista de clientes escolhe o cliente.
    void linhaAtualDosClientesPassaOCodigo()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        amb.exec("INSERT INTO CLIENTES (NOME) VALUES ('BRUNO')");
        amb.exec("INSERT INTO CLIENTES (NOME) VALUES ('ANA')");
        const int ana = amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = 'ANA'").toInt();
        const int bruno = amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = 'BRUNO'").toInt();
        dm->Qry_Clientes->abrir();
        QCOMPARE(dm->vCDCONTROLE_CLIENTE, ana);
        dm->Qry_Clientes->proximo();
        QCOMPARE(dm->vCDCONTROLE_CLIENTE, bruno);
        QVERIFY(dm->Qry_Clientes->localizar("NOME", "an", true));
        QCOMPARE(dm->vCDCONTROLE_CLIENTE, ana);

        QTableView grade;
        dm->Qry_Clientes->vincular(&grade);
        grade.setCurrentIndex(dm->Qry_Clientes->index(1, 0));
        QCOMPARE(dm->vCDCONTROLE_CLIENTE, bruno);
        dm->Qry_Clientes->fechar();
        QCOMPARE(grade.model()->rowCount(), 0);

        dm->Qry_Cidades->setSQL({"SELECT * FROM CIDADES WHERE UF = :UF ORDER BY CIDADE"});
        dm->Qry_Cidades->setParametro("UF", QStringLiteral("AC"));
        dm->Qry_Cidades->abrir();
        QVERIFY(dm->vp_cdcidade != 0);
        QCOMPARE(dm->vp_cdcidade, dm->Qry_Cidades->campo("CONTROLE").toInt());
    }

    void contemApenasNumeros_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("esperado");
        QTest::newRow("vazio") << QString() << true;
        QTest::newRow("código de barras") << QStringLiteral("7891234567895") << true;
        QTest::newRow("blank") << QStringLiteral("789 1") << false;
        QTest::newRow("letra") << QStringLiteral("12a") << false;
        QTest::newRow("sinal") << QStringLiteral("-12") << false;
        QTest::newRow("decimal") << QStringLiteral("12,5") << false;
    }
    void contemApenasNumeros()
    {
        QFETCH(QString, texto);
        QFETCH(bool, esperado);
        QCOMPARE(TModuloDados::ContemApenasNumeros(texto), esperado);
    }

    void arquivoIni()
    {
        QTemporaryDir dir;
        const QString caminho = dir.filePath("Config.ini");
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[CONEXAO]\r\nStrCon=C:\\Dados\\BASE.FDB\r\nModulo=a, b\r\n\r\n[APARENCIA]\r\nEstilo=Amakrits\r\n");
        f.close();
        TArquivoIni ini(caminho);
        QCOMPARE(ini.ler("CONEXAO", "StrCon", "x"), QStringLiteral("C:\\Dados\\BASE.FDB"));
        QCOMPARE(ini.ler("CONEXAO", "Modulo", "x"), QStringLiteral("a, b"));
        QCOMPARE(ini.ler("CONEXAO", "Estilo", "x"), QStringLiteral("x"));
        QVERIFY(ini.gravar("APARENCIA", "Estilo", "Metropolis UI Blue"));
        QVERIFY(ini.gravar("IMPRESSORA", "TIPO", "TERMICA"));
        QCOMPARE(ini.ler("APARENCIA", "Estilo", "x"), QStringLiteral("Metropolis UI Blue"));
        QCOMPARE(ini.ler("CONEXAO", "StrCon", "x"), QStringLiteral("C:\\Dados\\BASE.FDB"));
        QCOMPARE(ini.ler("IMPRESSORA", "TIPO", "x"), QStringLiteral("TERMICA"));
    }
};

REGISTRAR_TESTE(TesteModuloDados)
#include "tst_modulo.moc"
