// Início do programa: falhas do módulo sem login, Cancelar, login feito e erro que escapa.
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/u_Telas.h"
#include "mainwin/u_Inicializacao.h"
#include "mainwin/u_Principal.h"
#include "support/suporte.h"
#include "util/u_alicerce_com.h"

namespace {
OpcoesAmbiente semModulo()
{
    OpcoesAmbiente op;
    op.criarModulo = false;
    return op;
}

// Prepara um usuário com um módulo próprio, fechado antes do início.
void criarUsuario(AmbienteTeste& amb, const QString& login, const QString& senha)
{
    QVERIFY(amb.criarModulo());
    amb.exec("INSERT INTO USUARIOS (CDLOGIN, CDSENHA) VALUES (:L, :S)", {{"L", login}, {"S", Crypt("C", senha)}});
    amb.dialogos().limpar();
}
} // namespace

class TesteInicio : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // a conferência da empresa não entra aqui (é de outra tela)
        RegistrarTela("ParametrosEmpresa.PrimeiroInicio", [](QWidget*) {});
    }

    void falhaDoModuloNaoMostraOLogin_data()
    {
        QTest::addColumn<QStringList>("config"); // vazio: sem Config.ini
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem Config.ini") << QStringList() << "Arquivo de configuracao do banco de dados não encontrado";
        QTest::newRow("base que não existe") << QStringList{"[CONEXAO]", "StrCon=/nao/existe/BASE.FDB"}
                                             << "Arquivo de base de dados não existe no local : \n/nao/existe/BASE.FDB";
        QTest::newRow("sem StrCon") << QStringList{"[CONEXAO]"} << "Erro ocorrido : ";
    }
    void falhaDoModuloNaoMostraOLogin()
    {
        QFETCH(QStringList, config);
        QFETCH(QString, mensagem);
        OpcoesAmbiente op = semModulo();
        op.escreverConfig = !config.isEmpty();
        AmbienteTeste amb(op);
        if (!config.isEmpty())
            amb.escreverConfig(config);
        bool rodou = false;
        QVERIFY(IniciarPrograma([&] {
                    rodou = true;
                    return 0;
                }) != 0);
        QVERIFY(!rodou);
        QCOMPARE(amb.dialogos().mensagens().size(), 1);
        QVERIFY(amb.dialogos().ultimaMensagem().startsWith(mensagem));
        QVERIFY(amb.dialogos().janelasAbertas().isEmpty());
        QVERIFY(!ModuloDados);
    }

    void cancelarOLogin()
    {
        AmbienteTeste amb(semModulo());
        criarUsuario(amb, "MARIA", "Segredo1");
        bool rodou = false;
        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            QTest::mouseClick(j->findChild<QPushButton*>("btn_cancelar"), Qt::LeftButton);
            return j->result();
        });
        QCOMPARE(IniciarPrograma([&] {
                     rodou = true;
                     return 0;
                 }),
                 0);
        QVERIFY(!rodou);
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"frm_Senha"});
        QVERIFY(!frm_Principal);
    }

    void loginFeitoAbreAJanelaPrincipal()
    {
        AmbienteTeste amb(semModulo());
        criarUsuario(amb, "MARIA", "Segredo1");
        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            // a janela principal já existe, escondida, enquanto o login está aberto
            if (!frm_Principal || frm_Principal->isVisible())
                return int(QDialog::Rejected);
            QTest::keyClicks(j->findChild<QLineEdit*>("edt_Usuario"), "maria");
            QTest::keyClicks(j->findChild<QLineEdit*>("edt_Senha"), "Segredo1");
            QTest::mouseClick(j->findChild<QPushButton*>("btn_ok"), Qt::LeftButton);
            return j->result();
        });
        QString usuarioNaBarra;
        bool visivel = false;
        const int codigo = IniciarPrograma([&] {
            visivel = frm_Principal && frm_Principal->isVisible();
            if (frm_Principal)
                usuarioNaBarra = frm_Principal->findChild<QLabel*>("BarraStatus_Painel2")->text();
            return 42;
        });
        QCOMPARE(codigo, 42);
        QVERIFY(visivel);
        QCOMPARE(usuarioNaBarra, QStringLiteral("Usuário : MARIA"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Sistema para Ordem de Serviço e vendas"));
        QVERIFY(!frm_Principal);
        QVERIFY(amb.dialogos().mensagens().isEmpty());
    }

    void erroQueEscapa()
    {
        AmbienteTeste amb(semModulo());
        criarUsuario(amb, "MARIA", "Segredo1");
        amb.dialogos().aoAbrirJanela([](QDialog*) { return int(QDialog::Accepted); });
        const int codigo = IniciarPrograma([]() -> int { throw EErroBanco("conexão perdida"); });
        QVERIFY(codigo != 0);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Erro : conexão perdida"});
    }
};

REGISTRAR_TESTE(TesteInicio)
#include "tst_inicio.moc"
