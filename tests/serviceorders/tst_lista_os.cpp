// Lista de ordens de serviço: buscas por período, cliente e IMEI, escolha, Esc e exclusão.
#include <QLineEdit>
#include <QTableView>

#include "core/u_CaixaPesquisa.h"
#include "core/u_Dataset.h"
#include "core/u_Telas.h"
#include "serviceorders/u_ListaOrdensdeServico.h"
#include "support/suporte.h"

namespace {
int novoCliente(AmbienteTeste& amb, const QString& nome)
{
    amb.exec(QStringLiteral("INSERT INTO CLIENTES (NOME) VALUES (:N)"), {{QStringLiteral("N"), nome}});
    return amb.valor(QStringLiteral("SELECT MAX(CDCONTROLE) FROM CLIENTES WHERE NOME = :N"), {{QStringLiteral("N"), nome}})
        .toInt();
}

// OS gravada como a tela grava (linhas antes); a data de abertura acertada depois.
void novaOS(AmbienteTeste& amb, int nros, int cliente, const QDate& data, int linhas,
            const QString& imei = QStringLiteral("356789012345678"))
{
    auto* dm = amb.modulo();
    for (int i = 0; i < linhas; ++i)
        dm->GravarServicodaOS(QStringLiteral("NAO LIGA"), QStringLiteral("TROCA DE BATERIA"), 100 + i,
                              QStringLiteral("ADMIN"), nros);
    dm->GravarOS(nros, cliente, data.toString(QStringLiteral("dd/MM/yyyy")), QStringLiteral("Aberta"),
                 QStringLiteral("C"), QStringLiteral("SAMSUNG"), QStringLiteral("GALAXY A10"), imei, QString(), "N",
                 "N", "N", "N", "N", "N", "N", "N", "N", "N", 0, QString(), QString(), QString(), QString(), QString(),
                 QStringLiteral("ADMIN"), QString(), QByteArray());
    amb.exec(QStringLiteral("UPDATE ORDEM_SERVICO SET DATAOS = :D WHERE NROS = :N"),
             {{QStringLiteral("D"), data}, {QStringLiteral("N"), nros}});
}

QList<int> numeros(TDataset* lista)
{
    QList<int> n;
    for (int i = 0; i < lista->registros(); ++i)
        n << lista->valor(i, QStringLiteral("NROS")).toInt();
    return n;
}

// Ordens de 29/02 a 01/04/2024; a 11 tem três linhas, a 15 nenhuma.
struct Cenario
{
    int ana = 0;
    int beto = 0;
};
Cenario prepararOrdens(AmbienteTeste& amb)
{
    Cenario c;
    c.ana = novoCliente(amb, QStringLiteral("ANA PAULA"));
    c.beto = novoCliente(amb, QStringLiteral("BETO CARLOS"));
    novaOS(amb, 10, c.ana, QDate(2024, 2, 29), 1);
    novaOS(amb, 11, c.beto, QDate(2024, 3, 1), 3, QStringLiteral("111112222233333"));
    novaOS(amb, 12, c.ana, QDate(2024, 3, 15), 1);
    novaOS(amb, 13, c.beto, QDate(2024, 3, 31), 2);
    novaOS(amb, 14, c.ana, QDate(2024, 4, 1), 1);
    novaOS(amb, 15, c.ana, QDate(2024, 3, 20), 0);
    return c;
}

QLineEdit* campo(QWidget* janela, const char* nome)
{
    return janela->findChild<QLineEdit*>(QString::fromLatin1(nome));
}

void datasEEnter(QWidget* janela, const QString& inicial, const QString& final_)
{
    QLineEdit* ini = campo(janela, "edt_DataInicial");
    QLineEdit* fim = campo(janela, "edt_DataFinal");
    ini->clear();
    fim->clear();
    QTest::keyClicks(ini, inicial);
    QTest::keyClicks(fim, final_);
    QTest::keyClick(fim, Qt::Key_Return);
}
} // namespace

class TesteListaOS : public QObject
{
    Q_OBJECT
private slots:
    void buscaPorPeriodo_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("final_");
        QTest::addColumn<QList<int>>("esperadas");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("março, as duas pontas") << "01032024" << "31032024" << QList<int>{13, 12, 11} << QString();
        QTest::newRow("datas vazias: todas") << "" << "" << QList<int>{14, 13, 12, 11, 10, 99} << QString();
        QTest::newRow("um só dia") << "01032024" << "01032024" << QList<int>{11} << QString();
        QTest::newRow("inicial maior") << "31032024" << "01032024" << QList<int>{99}
                                       << "Você está informando a data inicial maior que a data final!";
        QTest::newRow("data inválida") << "32032024" << "31032024" << QList<int>{99}
                                       << "Alguma data informada está inválida!";
        QTest::newRow("só a inicial: nada") << "01032024" << "" << QList<int>{99} << QString();
    }
    // 99: a grade fica como estava (aqui, com a OS 99 de uma busca anterior pelo IMEI)
    void buscaPorPeriodo()
    {
        QFETCH(QString, inicial);
        QFETCH(QString, final_);
        QFETCH(QList<int>, esperadas);
        QFETCH(QString, mensagem);
        AmbienteTeste amb;
        prepararOrdens(amb);
        novaOS(amb, 99, 0, QDate(2023, 1, 1), 1, QStringLiteral("999998888877777"));
        Tfrm_ListaOrdensdeServico janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        janela.ListarPorIMEI(QStringLiteral("77777"));
        QCOMPARE(numeros(janela.Qry_ListaOS()), QList<int>{99});

        datasEEnter(&janela, inicial, final_);
        QCOMPARE(numeros(janela.Qry_ListaOS()), esperadas);
        QCOMPARE(amb.dialogos().ultimaMensagem(), mensagem);
        if (!mensagem.isEmpty())
            QCOMPARE(janela.focusWidget(), static_cast<QWidget*>(campo(&janela, "edt_DataInicial")));
    }

    // Digitar o nome na caixa lista as OS do cliente; o IMEI acha pelo número todo ou pelo fim.
    void buscaPorClienteEIMEI()
    {
        AmbienteTeste amb;
        prepararOrdens(amb);
        Tfrm_ListaOrdensdeServico janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        auto* caixa = janela.findChild<TCaixaPesquisa*>(QStringLiteral("LCD_Cliente"));
        QTest::keyClicks(caixa->editor(), QStringLiteral("BETO CARLOS"));
        QCOMPARE(numeros(janela.Qry_ListaOS()), (QList<int>{13, 11}));

        QLineEdit* imei = campo(&janela, "edt_IMEI");
        QTest::keyClicks(imei, QStringLiteral("33333"));
        QTest::keyClick(imei, Qt::Key_Return);
        QCOMPARE(numeros(janela.Qry_ListaOS()), QList<int>{11});
        imei->setText(QStringLiteral("111112222233333"));
        QTest::keyClick(imei, Qt::Key_Return);
        QCOMPARE(numeros(janela.Qry_ListaOS()), QList<int>{11});
        imei->setText(QStringLiteral("22222"));
        QTest::keyClick(imei, Qt::Key_Return);
        QCOMPARE(numeros(janela.Qry_ListaOS()), QList<int>{}); // o meio do número não vale
    }

    // Enter na grade escolhe; reabrir e sair com Esc deixa a escolha anterior em vNROS.
    void escolherEEsc()
    {
        AmbienteTeste amb;
        prepararOrdens(amb);
        amb.modulo()->vNROS = 0;
        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            datasEEnter(j, QString(), QString());
            auto* lista = static_cast<Tfrm_ListaOrdensdeServico*>(j)->Qry_ListaOS();
            lista->localizar(QStringLiteral("NROS"), 12);
            auto* grade = j->findChild<QTableView*>(QStringLiteral("dbg_ListaOS"));
            QTest::keyClick(grade, Qt::Key_Return);
            return j->result();
        });
        QVERIFY(AbrirTela(QStringLiteral("ListaOrdensServico")));
        QCOMPARE(amb.modulo()->vNROS, 12);
        QVERIFY(!amb.modulo()->Qry_Clientes->ativo());

        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            QTest::keyClick(j, Qt::Key_Escape);
            return j->result();
        });
        AbrirTela(QStringLiteral("ListaOrdensServico"));
        QCOMPARE(amb.modulo()->vNROS, 12);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    // Excluir: pergunta (Não é o padrão); as linhas e a OS saem, o checklist fica; a lista é refeita.
    void excluir()
    {
        AmbienteTeste amb;
        prepararOrdens(amb);
        amb.modulo()->GerarCheckList_para_OS(11);
        Tfrm_ListaOrdensdeServico janela;
        datasEEnter(&janela, QStringLiteral("01032024"), QStringLiteral("31032024"));
        janela.Qry_ListaOS()->localizar(QStringLiteral("NROS"), 11);

        amb.dialogos().responder(false);
        janela.ExcluirOSClick();
        QCOMPARE(amb.valor(QStringLiteral("SELECT COUNT(*) FROM ORDEM_SERVICO WHERE NROS = 11")).toInt(), 1);

        amb.dialogos().responder(true);
        janela.ExcluirOSClick();
        const TDialogoMostrado pergunta = amb.dialogos().mostrados().last();
        QCOMPARE(pergunta.titulo, QStringLiteral("Excluir Ordem"));
        QCOMPARE(pergunta.texto, QStringLiteral("Confirma excluir este Ordem de Serviço?"));
        QCOMPARE(amb.valor(QStringLiteral("SELECT COUNT(*) FROM ORDEM_SERVICO WHERE NROS = 11")).toInt(), 0);
        QCOMPARE(amb.valor(QStringLiteral("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 11")).toInt(), 0);
        QVERIFY(amb.valor(QStringLiteral("SELECT COUNT(*) FROM CHECKLIST_ENTRADA_OS WHERE NROS = 11")).toInt() > 0);
        QCOMPARE(numeros(janela.Qry_ListaOS()), (QList<int>{13, 12}));
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    // O comprovante de retorno só para a linha com RETORNO "S" (e a impressão registrada).
    void comprovanteDeRetorno()
    {
        AmbienteTeste amb;
        prepararOrdens(amb);
        amb.exec(QStringLiteral("UPDATE ORDEM_SERVICO SET RETORNO = 'S' WHERE NROS = 12"));
        // sem a tela de impressão no programa de testes, uma que só anota o número pedido
        static int impressa = 0;
        impressa = 0;
        if (!TelaDisponivel(QStringLiteral("ImprimeRetornoOS")))
            RegistrarTela(QStringLiteral("ImprimeRetornoOS"), [](QWidget*) { impressa = ModuloDados->vNROS; });
        amb.modulo()->vNROS = 5;
        Tfrm_ListaOrdensdeServico janela;
        datasEEnter(&janela, QString(), QString());
        janela.Qry_ListaOS()->localizar(QStringLiteral("NROS"), 13);
        QVERIFY(!janela.RetornoHabilitado());
        janela.Qry_ListaOS()->localizar(QStringLiteral("NROS"), 12);
        QVERIFY(janela.RetornoHabilitado());
        janela.ImprimirRetornoClick();
        if (impressa != 0)
            QCOMPARE(impressa, 12);
        QCOMPARE(amb.modulo()->vNROS, 5); // a escolha da lista não muda por imprimir
    }
};

REGISTRAR_TESTE(TesteListaOS)
#include "tst_lista_os.moc"
