// Registros da ordem de serviço: inclusão, alteração (datas e pagamento), leitura, exclusão,
// linhas de serviço, marcas e as regras que não dependem da tela.
#include <QBuffer>
#include <QImage>

#include "core/u_Relogio.h"
#include "core/u_Valores.h"
#include "serviceorders/u_RegrasOS.h"
#include "support/suporte.h"

namespace {
const QString kVazia = QStringLiteral("  /  /    ");

// Uma OS gravada como a tela grava: linhas antes, depois a OS.
void novaOS(TModuloDados* dm, int nros, const QList<double>& valores, const QString& status = "Aberta",
            const QString& senha = QString(), const QByteArray& figura = QByteArray())
{
    for (double v : valores)
        dm->GravarServicodaOS("TELA QUEBRADA", "TROCA DE TELA", v, "ADMIN", nros);
    dm->GravarOS(nros, 0, "15/03/2024", status, "C", "SAMSUNG", "GALAXY A10", "356789012345678", "RISCO NA TAMPA", "S",
                 "N", "S", "N", "N", "N", "S", "N", "N", "S", 0, "N", "16/03/2024", "17/03/2024", "18/03/2024",
                 "19/03/2024", "MARIA", senha, figura);
}

// AlterarOS com os dados da OS como estão e só as datas e valores de pagamento/devolução dados.
void alterar(TModuloDados* dm, int nros, const QString& status, double valorPago, const QString& forma = QString(),
             const QString& dataPagto = kVazia, const QString& finalizado = kVazia, const QString& retirado = kVazia,
             const QString& devolucao = kVazia, const QString& retorno = QString(), const QString& dataRetorno = kVazia,
             double devolvido = 0)
{
    const TOrdemServico os = dm->FOrdemServico(nros);
    dm->AlterarOS(QString::number(nros), status, os.fTPAPARELHO, os.fMARCA, os.fMODELO, os.fIMEI, os.fOBSERVACAO,
                  os.fSEM_CHIP, os.fNAO_LIGA, os.fCARREGADOR, os.fSEM_TAMPA_BATERIA, os.fCARTAO_MEMORIA,
                  os.fLENTE_RISCADA, os.fLENTE_TRINCADA, os.fDISPLAY_TRINCADO, os.fCARCACA_TRINCADA,
                  os.fCARCACA_RISCADA, 0, retorno, dataRetorno, finalizado, retirado, devolucao, dataPagto, devolvido,
                  retorno.isEmpty() ? QString() : QStringLiteral("NAO CARREGA"), forma, valorPago, os.fSENHA,
                  QByteArray());
}
} // namespace

class TesteRegistrosOS : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        FixarRelogio(QDateTime(QDate(2024, 3, 15), QTime(9, 5)));
        FixarNomeDaEstacao("BALCAO-1");
    }

    // Linhas gravadas antes da OS; total, hora e prazo vêm da base; retorno e datas não são gravados.
    void incluirELer()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        QImage figura(150, 156, QImage::Format_RGB32);
        figura.fill(Qt::white);
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(figura.save(&buffer, "BMP"));

        novaOS(dm, 12, {150.0, 1234.5}, "Aberta", "SENHA123", bmp);
        const TOrdemServico os = dm->FOrdemServico(12);
        QCOMPARE(os.fNROS, 12);
        QVERIFY(os.fCDCONTROLE > 0);
        QCOMPARE(os.fDATAOS, QStringLiteral("15/03/2024"));
        QCOMPARE(os.fSTATUS, QStringLiteral("Aberta"));
        QCOMPARE(os.fTPAPARELHO, QStringLiteral("C"));
        QCOMPARE(os.fMARCA + "|" + os.fMODELO + "|" + os.fIMEI + "|" + os.fOBSERVACAO,
                 QStringLiteral("SAMSUNG|GALAXY A10|356789012345678|RISCO NA TAMPA"));
        const QString flags = os.fSEM_CHIP + os.fNAO_LIGA + os.fCARREGADOR + os.fSEM_TAMPA_BATERIA +
                              os.fCARTAO_MEMORIA + os.fLENTE_RISCADA + os.fLENTE_TRINCADA + os.fDISPLAY_TRINCADO +
                              os.fCARCACA_TRINCADA + os.fCARCACA_RISCADA;
        QCOMPARE(flags, QStringLiteral("SNSNNNSNNS"));
        QCOMPARE(os.fVALOR_TOTAL, 1384.5);
        QCOMPARE(os.fFUNCIONARIO, QStringLiteral("MARIA"));
        QCOMPARE(os.fSENHA, QStringLiteral("SENHA123"));
        QCOMPARE(os.fDATA_PRAZO_RETIRAR, QStringLiteral("13/06/2024"));
        QCOMPARE(os.fHORA.size(), 5);
        QCOMPARE(os.fRETORNO + os.fDATA_RETORNO + os.fDATA_FINALIZADO + os.fDATA_RETIRADA + os.fDATA_DEVOLUCAO,
                 QString());
        QCOMPARE(amb.valor("SELECT COMPUTADOR FROM ORDEM_SERVICO WHERE NROS = 12").toString(),
                 QStringLiteral("BALCAO-1"));
        QVERIFY(amb.valor("SELECT RETORNO FROM ORDEM_SERVICO WHERE NROS = 12").isNull());

        QCOMPARE(dm->SimboloAcessoDaOS(12), bmp);
        QVERIFY(QImage::fromData(dm->SimboloAcessoDaOS(12), "BMP").size() == QSize(150, 156));
        QVERIFY(dm->ExisteServiconaOS(12));
        QVERIFY(!dm->ExisteServiconaOS(13));
    }

    void ordemQueNaoExiste()
    {
        AmbienteTeste amb;
        const TOrdemServico os = amb.modulo()->FOrdemServico(99);
        QCOMPARE(os.fNROS, 0);
        QCOMPARE(os.fSTATUS + os.fDATAOS + os.fMARCA + os.fFUNCIONARIO, QString());
        QCOMPARE(os.fVALOR_TOTAL, 0.0);
        QCOMPARE(amb.modulo()->ValorJaPago(99), 0.0);
        QVERIFY(amb.modulo()->SimboloAcessoDaOS(99).isEmpty());
    }

    // Valor pago agora sobre uma OS de 100,00 com 40,00 já pagos.
    void valorPago_data()
    {
        QTest::addColumn<double>("agora");
        QTest::addColumn<double>("esperado");
        QTest::addColumn<bool>("recusado");
        QTest::newRow("o resto: quita") << 60.0 << 100.0 << false;
        QTest::newRow("igual ao total: quita, não soma") << 100.0 << 100.0 << false;
        QTest::newRow("zero: fica como está") << 0.0 << 40.0 << false;
        QTest::newRow("parte: acumula") << 25.5 << 65.5 << false;
        QTest::newRow("acima do total") << 150.0 << 40.0 << true;
        QTest::newRow("abaixo do total mas passa com o já pago") << 70.0 << 40.0 << true;
        QTest::newRow("negativo") << -10.0 << 40.0 << true;
    }
    void valorPago()
    {
        QFETCH(double, agora);
        QFETCH(double, esperado);
        QFETCH(bool, recusado);
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        novaOS(dm, 1, {60.0, 40.0});
        alterar(dm, 1, "Retirado", 40.0, "PIX", "15/03/2024");
        QCOMPARE(dm->ValorJaPago(1), 40.0);

        if (recusado) {
            QVERIFY_THROWS_EXCEPTION(ERegraOS, alterar(dm, 1, "Finalizada", agora, "DINHEIRO", "16/03/2024"));
            // nada gravado: nem o valor, nem o resto da alteração
            QCOMPARE(amb.valor("SELECT STATUS FROM ORDEM_SERVICO WHERE NROS = 1").toString(),
                     QStringLiteral("Retirado"));
            QCOMPARE(amb.valor("SELECT FORMA_PAGAMENTO FROM ORDEM_SERVICO WHERE NROS = 1").toString(),
                     QStringLiteral("PIX"));
        } else {
            alterar(dm, 1, "Retirado", agora, "DINHEIRO", "16/03/2024");
        }
        QCOMPARE(dm->ValorJaPago(1), esperado);
    }

    // A regra sozinha: o total e o já pago em centavos, sem surpresas de ponto flutuante.
    void regraDoValorPago_data()
    {
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("jaPago");
        QTest::addColumn<double>("agora");
        QTest::addColumn<double>("esperado"); // -1: recusado
        QTest::newRow("0,1 + 0,2 de 0,3 quita") << 0.3 << 0.1 << 0.2 << 0.3;
        QTest::newRow("já pago acima do total, nada agora") << 80.0 << 100.0 << 0.0 << 100.0;
        QTest::newRow("já pago acima do total, paga parte") << 80.0 << 100.0 << 10.0 << -1.0;
        QTest::newRow("total zero, zero") << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("um centavo além") << 150.0 << 100.0 << 50.01 << -1.0;
    }
    void regraDoValorPago()
    {
        QFETCH(double, total);
        QFETCH(double, jaPago);
        QFETCH(double, agora);
        QFETCH(double, esperado);
        if (esperado < 0) {
            QVERIFY_THROWS_EXCEPTION(ERegraOS, NovoValorPago(total, jaPago, agora));
        } else {
            QCOMPARE(NovoValorPago(total, jaPago, agora), esperado);
        }
    }

    // Datas vazias não apagam as gravadas; data inválida para tudo antes de gravar.
    void datasDaAlteracao()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        novaOS(dm, 3, {100.0});
        alterar(dm, 3, "Finalizada", 0, QString(), kVazia, "20/03/2024");
        QCOMPARE(dm->FOrdemServico(3).fDATA_FINALIZADO, QStringLiteral("20/03/2024"));

        alterar(dm, 3, "SEM REPARO", 0, QString(), kVazia, kVazia, kVazia, "21/03/2024", QString(), kVazia, 100.0);
        TOrdemServico os = dm->FOrdemServico(3);
        QCOMPARE(os.fDATA_FINALIZADO, QStringLiteral("20/03/2024"));
        QCOMPARE(os.fDATA_DEVOLUCAO, QStringLiteral("21/03/2024"));
        QCOMPARE(os.fVALOR_DEVOLVIDO, 100.0);
        QCOMPARE(os.fHORADEVOLUCAO.size(), 5);
        QCOMPARE(os.fDATA_PAGTO + os.fDATA_RETIRADA + os.fDATA_RETORNO, QString());

        QVERIFY_THROWS_EXCEPTION(EConversao, alterar(dm, 3, "Retirado", 0, QString(), kVazia, kVazia, "31/02/2024"));
        os = dm->FOrdemServico(3);
        QCOMPARE(os.fSTATUS, QStringLiteral("SEM REPARO"));
        QCOMPARE(os.fDATA_RETIRADA, QString());

        alterar(dm, 3, "Retirado", 0, QString(), kVazia, kVazia, kVazia, kVazia, "S", "22/03/2024");
        os = dm->FOrdemServico(3);
        QCOMPARE(os.fRETORNO, QStringLiteral("S"));
        QCOMPARE(os.fDATA_RETORNO, QStringLiteral("22/03/2024"));
        QCOMPARE(os.fMOTIVO_RETORNO, QStringLiteral("NAO CARREGA"));
        QCOMPARE(os.fFORMA_PAGAMENTO, QString());
    }

    // Excluir leva as linhas e a OS juntas; o checklist fica. Se a OS não pode sair, as linhas também ficam.
    void excluir()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        novaOS(dm, 5, {10.0, 20.0});
        novaOS(dm, 6, {30.0});
        amb.exec("INSERT INTO CHECKLIST_ENTRADA_OS (NROS, ITEM) VALUES (5, 'TELA')");
        QVERIFY(dm->ExisteCheckListparaOS(5));
        dm->ExcluirOS(5);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ORDEM_SERVICO WHERE NROS = 5").toInt(), 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 5").toInt(), 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CHECKLIST_ENTRADA_OS WHERE NROS = 5").toInt(), 1);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 6").toInt(), 1);

        amb.exec("CREATE EXCEPTION E_OS_PRESA 'OS presa'");
        amb.exec(
            "CREATE TRIGGER TG_TESTE_PRENDE_OS FOR ORDEM_SERVICO BEFORE DELETE AS BEGIN EXCEPTION E_OS_PRESA; END");
        QVERIFY_THROWS_EXCEPTION(EErroBanco, dm->ExcluirOS(6));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 6").toInt(), 1);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ORDEM_SERVICO WHERE NROS = 6").toInt(), 1);
    }

    // Linhas: total acompanha; limpar tira só as de números sem OS gravada.
    void linhasDeServico()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        novaOS(dm, 1, {100.0, 50.0});
        dm->GravarServicodaOS("NAO LIGA", "TROCA DE BATERIA", 80.0, "ADMIN", 2); // OS 2 nunca gravada

        dm->AbreServicosOS(1);
        QCOMPARE(dm->Qry_Servicos_OS->registros(), 2);
        QCOMPARE(dm->Qry_Servicos_OS->headerData(dm->Qry_Servicos_OS->colunaDe("SERVICO_EXECUTADO"), Qt::Horizontal)
                     .toString(),
                 QStringLiteral("Serviço executado"));
        const int linha = dm->Qry_Servicos_OS->valor(1, "CDCONTROLE").toInt();
        dm->AlterarServico(linha, 70.0);
        QCOMPARE(dm->FOrdemServico(1).fVALOR_TOTAL, 170.0);
        dm->ExcluiServicos_Da_OS(linha);
        QCOMPARE(dm->FOrdemServico(1).fVALOR_TOTAL, 100.0);

        dm->LimpaServicosSEMOS();
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 2").toInt(), 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 1").toInt(), 1);
    }

    void marcasEModelos()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        dm->AbrirMarcas("Tablet");
        QStringList marcas;
        for (int i = 0; i < dm->Qry_Marcas->registros(); ++i)
            marcas << dm->Qry_Marcas->valor(i, "NOMEMARCA").toString();
        dm->Qry_Marcas->fechar();
        QVERIFY(!marcas.isEmpty());
        QStringList ordenadas = marcas;
        ordenadas.sort();
        ordenadas.removeDuplicates();
        QCOMPARE(marcas, ordenadas);
        const int tablets = amb.valor("SELECT COUNT(DISTINCT NOMEMARCA) FROM MARCAS WHERE TIPO = 'Tablet'").toInt();
        QCOMPARE(marcas.size(), tablets);

        const QStringList modelos = dm->AbrirModelos("Celular", "SAMSUNG");
        QVERIFY(modelos.contains("GALAXY A10"));
        QVERIFY(!modelos.contains("GALAXY TAB S9 FE"));
        QStringList modelosOrdenados = modelos;
        modelosOrdenados.sort();
        QCOMPARE(modelos, modelosOrdenados);
    }

    void valorSimples_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("casas");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("1234,5") << 1234.5 << -1 << QStringLiteral("1234,5");
        QTest::newRow("150") << 150.0 << -1 << QStringLiteral("150");
        QTest::newRow("duas casas") << 1234.5 << 2 << QStringLiteral("1234,50");
        QTest::newRow("milhão") << 1000000.0 << 2 << QStringLiteral("1000000,00");
    }
    void valorSimples()
    {
        QFETCH(double, valor);
        QFETCH(int, casas);
        QFETCH(QString, esperado);
        QCOMPARE(ValorSimples(valor, casas), esperado);
    }

    void status()
    {
        QCOMPARE(StatusDaOS(), (QStringList{"Aberta", "Em andamento", "Finalizada", "SEM REPARO", "Retirado"}));
        QCOMPARE(ClassificarStatus("Retirado"), TStatusOS::Retirado);
        QCOMPARE(ClassificarStatus("retirado"), TStatusOS::Outro);
        QCOMPARE(ClassificarStatus("SEM REPARO"), TStatusOS::SemReparo);
        QCOMPARE(ClassificarStatus("Finalizada"), TStatusOS::Finalizada);
        QVERIFY(DataVazia(kVazia));
        QVERIFY(DataVazia(QString()));
        QVERIFY(!DataVazia("1 /  /    "));
    }
};

REGISTRAR_TESTE(TesteRegistrosOS)
#include "tst_ordemservico.moc"
