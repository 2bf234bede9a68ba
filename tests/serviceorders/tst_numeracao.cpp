// Numeração das ordens de serviço: maior número gravado + 1, contador só como registro.
#include "core/u_Relogio.h"
#include "support/suporte.h"

namespace {
void gravarOrdens(AmbienteTeste& amb, const QList<int>& numeros)
{
    for (int n : numeros)
        amb.exec("INSERT INTO ORDEM_SERVICO (NROS, DATAOS) VALUES (:N, CURRENT_DATE)", {{"N", n}});
}
} // namespace

class TesteNumeracaoOS : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        FixarRelogio(QDateTime(QDate(2024, 3, 15), QTime(14, 37, 12)));
        FixarNomeDaEstacao("BALCAO-2");
    }

    void numeroNovo_data()
    {
        QTest::addColumn<QList<int>>("ordens");
        QTest::addColumn<bool>("comContador");
        QTest::addColumn<int>("esperado");
        QTest::newRow("base vazia") << QList<int>{} << false << 1;
        QTest::newRow("ordens 1 a 7 com contador") << QList<int>{1, 2, 3, 4, 5, 6, 7} << true << 8;
        QTest::newRow("sem contador, ordens 1, 2 e 5") << QList<int>{1, 2, 5} << false << 6;
        // o contador guardado não manda: o número vem das ordens gravadas
        QTest::newRow("contador adiantado") << QList<int>{1, 2} << true << 3;
    }
    void numeroNovo()
    {
        QFETCH(QList<int>, ordens);
        QFETCH(bool, comContador);
        QFETCH(int, esperado);
        AmbienteTeste amb;
        gravarOrdens(amb, ordens);
        if (comContador)
            amb.exec("INSERT INTO CONTROLE_ORDENS (NRO_DA_ULTIMA_ORDEM, COMPUTADOR_GEROU, DATAEHORAGERACAO) "
                     "VALUES (40, 'OUTRA', '2020-01-01 10:00:00')");

        QCOMPARE(amb.modulo()->NumeroNovaOS(), esperado);

        const auto contador = amb.registros("SELECT * FROM CONTROLE_ORDENS");
        QCOMPARE(contador.size(), 1);
        QCOMPARE(contador[0].value("NRO_DA_ULTIMA_ORDEM").toInt(), esperado);
        QCOMPARE(contador[0].value("COMPUTADOR_GEROU").toString(), QStringLiteral("BALCAO-2"));
        QCOMPARE(contador[0].value("DATAEHORAGERACAO").toDateTime(), QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
    }

    // O número não é reservado: sem gravar a OS, o mesmo número sai de novo; excluir a última devolve o número.
    void numeroNaoReservadoEDevolvido()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        gravarOrdens(amb, {1, 2, 3, 4, 5, 6, 7});
        QCOMPARE(dm->NumeroNovaOS(), 8);
        QCOMPARE(dm->NumeroNovaOS(), 8);

        gravarOrdens(amb, {8});
        QCOMPARE(dm->UltimaOrdemdeServico(), 8);
        QCOMPARE(dm->NumeroNovaOS(), 9);
        dm->ExcluirOS(8);
        QCOMPARE(dm->NumeroNovaOS(), 8);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CONTROLE_ORDENS").toInt(), 1);
    }

    void consultasDoContador()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        QVERIFY(!dm->ExisteControledeOrdemdeServicoGerado());
        QCOMPARE(dm->UltimaOrdemdeServico(), 0);
        QCOMPARE(dm->RetornaUltimaOrdem(), 0);
        dm->CriaNovoControleOrdem();
        QVERIFY(dm->ExisteControledeOrdemdeServicoGerado());
        QCOMPARE(dm->RetornaUltimaOrdem(), 1);
    }
};

REGISTRAR_TESTE(TesteNumeracaoOS)
#include "tst_numeracao.moc"
