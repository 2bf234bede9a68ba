// Operações de clientes e cidades do módulo de dados.
#include "support/suporte.h"

namespace {
const QString kCpfVazio = QStringLiteral("   .   .   -  ");
const QString kRgVazio = QStringLiteral("  .   .   - ");
const QString kCepVazio = QStringLiteral("     -   ");
const QString kCelularVazio = QStringLiteral("(  )     -    ");
const int kSaoPaulo = 5351; // CONTROLE de São Paulo na tabela de cidades (IBGE 3550308)

int codigoDe(AmbienteTeste& amb, const QString& nome)
{
    return amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = :N", {{"N", nome}}).toInt();
}
} // namespace

class TesteDadosClientes : public QObject
{
    Q_OBJECT
private slots:
    void gravarLerAlterarExcluir()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        dm->GravarCliente("ANA", "RUA A", "12B", "CENTRO", kSaoPaulo, kCelularVazio, kCpfVazio, kRgVazio, "",
                          kCepVazio);
        const int ana = codigoDe(amb, "ANA");
        QVERIFY(ana > 0);

        TCliente c = dm->FCliente(ana);
        QCOMPARE(c.var_CDCONTROLE, ana);
        QCOMPARE(c.var_NOME, QStringLiteral("ANA"));
        QCOMPARE(c.var_NUMERO, QStringLiteral("12B"));
        QCOMPARE(c.var_CDCIDADE, kSaoPaulo);
        QCOMPARE(c.var_CELULAR, kCelularVazio);
        QCOMPARE(c.var_CPF, kCpfVazio);
        QCOMPARE(c.var_RG, kRgVazio);
        QCOMPARE(amb.valor("SELECT CEP FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", ana}}).toString(), kCepVazio);

        // a alteração grava todas as colunas, o CEP inclusive
        dm->Alterarcliente(ana, "ANA MARIA", "", "", "", 0, "(11)91234-5678", "529.982.247-25", kRgVazio, "OBS",
                           "01001-000");
        c = dm->FCliente(ana);
        QCOMPARE(c.var_NOME, QStringLiteral("ANA MARIA"));
        QCOMPARE(c.var_ENDERECO, QString());
        QCOMPARE(c.var_CDCIDADE, 0);
        QCOMPARE(c.var_CELULAR, QStringLiteral("(11)91234-5678"));
        QCOMPARE(c.var_OBS, QStringLiteral("OBS"));
        QCOMPARE(amb.valor("SELECT CEP FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", ana}}).toString(),
                 QStringLiteral("01001-000"));

        dm->ExcluirCliente(ana);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM CLIENTES").toInt(), 0);
    }

    void clienteQueNaoExisteDaRegistroVazio()
    {
        AmbienteTeste amb;
        const TCliente c = amb.modulo()->FCliente(4242);
        QCOMPARE(c.var_CDCONTROLE, 0);
        QCOMPARE(c.var_CDCIDADE, 0);
        QVERIFY(c.var_NOME.isEmpty() && c.var_ENDERECO.isEmpty() && c.var_CPF.isEmpty() && c.var_OBS.isEmpty());
        QVERIFY(amb.dialogos().mostrados().isEmpty());
    }

    void procurasPorNomeECpf_data()
    {
        QTest::addColumn<bool>("porCpf");
        QTest::addColumn<QString>("procurado");
        QTest::addColumn<bool>("acha");
        QTest::addColumn<QString>("dono"); // cliente cujo código fica em vCDCONTROLE_CLIENTE
        QTest::newRow("nome existente") << false << "BRUNO" << true << "BRUNO";
        QTest::newRow("nome repetido: o primeiro") << false << "CARLA" << true << "CARLA";
        QTest::newRow("nome é exato") << false << "BRU" << false << "";
        QTest::newRow("nome em minúsculas") << false << "bruno" << false << "";
        QTest::newRow("cpf existente") << true << "529.982.247-25" << true << "BRUNO";
        QTest::newRow("cpf sem pontuação") << true << "52998224725" << false << "";
        QTest::newRow("máscara pura acha quem não tem cpf") << true << kCpfVazio << true << "CARLA";
    }
    void procurasPorNomeECpf()
    {
        QFETCH(bool, porCpf);
        QFETCH(QString, procurado);
        QFETCH(bool, acha);
        QFETCH(QString, dono);
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        dm->GravarCliente("BRUNO", "", "", "", 0, kCelularVazio, "529.982.247-25", kRgVazio, "", kCepVazio);
        dm->GravarCliente("CARLA", "", "", "", 0, kCelularVazio, kCpfVazio, kRgVazio, "", kCepVazio);
        dm->GravarCliente("CARLA", "", "", "", 0, kCelularVazio, kCpfVazio, kRgVazio, "", kCepVazio);
        const int primeiraCarla = amb.valor("SELECT MIN(CDCONTROLE) FROM CLIENTES WHERE NOME = 'CARLA'").toInt();

        dm->vCDCONTROLE_CLIENTE = -7;
        QCOMPARE(porCpf ? dm->VerificaCPFExistente(procurado) : dm->ClienteJaExiste(procurado), acha);
        const int esperado = !acha ? -7 : dono == "CARLA" ? primeiraCarla : codigoDe(amb, dono);
        QCOMPARE(dm->vCDCONTROLE_CLIENTE, esperado);
    }

    void buscaPeloNomeEReabertura()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        for (const char* nome : {"JOSÉ SILVA", "MARIA DA SILVA", "PEDRO"})
            dm->GravarCliente(nome, "", "", "", 0, kCelularVazio, kCpfVazio, kRgVazio, "", kCepVazio);
        amb.exec("INSERT INTO CLIENTES (NOME) VALUES (NULL)");
        TDataset* lista = dm->Qry_Clientes;
        auto nomes = [lista] {
            QStringList n;
            for (int i = 0; i < lista->registros(); ++i)
                n << lista->valor(i, "NOME").toString();
            return n;
        };

        dm->BuscarCliente("SILVA");
        QCOMPARE(nomes(), (QStringList{"JOSÉ SILVA", "MARIA DA SILVA"}));
        QCOMPARE(dm->vCDCONTROLE_CLIENTE, codigoDe(amb, "JOSÉ SILVA"));
        dm->BuscarCliente("silva");
        QCOMPARE(nomes(), QStringList());
        // texto vazio: todos os que têm nome
        dm->BuscarCliente("");
        QCOMPARE(nomes(), (QStringList{"JOSÉ SILVA", "MARIA DA SILVA", "PEDRO"}));

        // a reabertura repete a última busca, com o que entrou depois dela
        dm->BuscarCliente("SILVA");
        dm->GravarCliente("ANA SILVA", "", "", "", 0, kCelularVazio, kCpfVazio, kRgVazio, "", kCepVazio);
        lista->fechar();
        dm->AbreClientes();
        QCOMPARE(nomes(), (QStringList{"ANA SILVA", "JOSÉ SILVA", "MARIA DA SILVA"}));
    }

    void cidades()
    {
        AmbienteTeste amb;
        auto* dm = amb.modulo();
        amb.exec("UPDATE CIDADES SET CEP = '01001-000' WHERE CONTROLE = :C", {{"C", kSaoPaulo}});
        QCOMPARE(dm->RetornaCIDADE_CEP("01001-000"), kSaoPaulo);
        QCOMPARE(dm->RetornaCIDADE_CEP("01001000"), 0);
        QCOMPARE(dm->RetornaCIDADE_CEP("99999-999"), 0);
        QCOMPARE(dm->RetornaCIDADE_IBGE("3550308"), kSaoPaulo);
        QCOMPARE(dm->RetornaCIDADE_IBGE(""), 0);
        QCOMPARE(dm->RetornaCIDADE_IBGE("abc"), 0);

        QCOMPARE(dm->NomedaCidade(kSaoPaulo), QStringLiteral("São Paulo"));
        QCOMPARE(dm->vCidade, QStringLiteral("São Paulo"));
        QCOMPARE(dm->vUF, QStringLiteral("SP"));
        QCOMPARE(dm->vp_cdcidade, kSaoPaulo);
        QCOMPARE(dm->NomedaCidade(999999), QString());
        QCOMPARE(dm->vUF, QString());
        QCOMPARE(dm->vp_cdcidade, 999999);

        dm->AbreCidades();
        QCOMPARE(dm->Qry_Cidades->registros(), 5570);
        QCOMPARE(dm->vp_cdcidade, dm->Qry_Cidades->campo("CONTROLE").toInt());
        QVERIFY(dm->Qry_Cidades->localizar("CONTROLE", kSaoPaulo));
        QCOMPARE(dm->vp_cdcidade, kSaoPaulo);
    }
};

REGISTRAR_TESTE(TesteDadosClientes)
#include "tst_dados_clientes.moc"
