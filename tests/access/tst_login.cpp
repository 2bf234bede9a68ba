// Login: campos vazios, a tabela de decisão, o login embutido, o primeiro acesso e a
// janela do administrador.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "access/u_ADMIN.h"
#include "access/u_Alterar_Senha.h"
#include "access/u_Senha.h"
#include "support/suporte.h"
#include "usuarios_teste.h"

namespace {
QLineEdit* campo(QWidget* janela, const char* nome)
{
    return janela->findChild<QLineEdit*>(QLatin1String(nome));
}
QString senhaEmbutida()
{
    return Crypt(QStringLiteral("D"), kSenhaEmbutidaADMIN);
}
} // namespace

class TesteLogin : public QObject
{
    Q_OBJECT
private slots:
    void camposVazios_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("foco");
        QTest::newRow("os dois") << ""
                                 << ""
                                 << "Usuário e senha devem ser informados"
                                 << "edt_Usuario";
        QTest::newRow("sem usuário") << ""
                                     << "x"
                                     << "Usuário deve ser informado"
                                     << "edt_Usuario";
        QTest::newRow("sem senha") << "MARIA"
                                   << ""
                                   << "Senha deve ser informada"
                                   << "edt_Senha";
    }
    void camposVazios()
    {
        QFETCH(QString, login);
        QFETCH(QString, senha);
        QFETCH(QString, mensagem);
        QFETCH(QString, foco);
        AmbienteTeste amb;
        CriarUsuario(amb, "MARIA", "Segredo1");
        amb.modulo()->vp_usuario_conectado = "antes";
        amb.modulo()->vp_cdusuario_conectado = -1;
        Tfrm_Senha janela;
        QVERIFY(MostrarAtiva(&janela));
        QCOMPARE(janela.focusWidget()->objectName(), QStringLiteral("edt_Usuario"));
        campo(&janela, "edt_Usuario")->setText(login);
        campo(&janela, "edt_Senha")->setText(senha);
        campo(&janela, "edt_Senha")->setFocus();
        QTest::mouseClick(janela.findChild<QPushButton*>("btn_ok"), Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{mensagem});
        QCOMPARE(janela.focusWidget()->objectName(), foco);
        QVERIFY(janela.isVisible());
        // nada foi lido do banco
        QCOMPARE(amb.modulo()->vp_usuario_conectado, QStringLiteral("antes"));
        QCOMPARE(amb.modulo()->vp_cdusuario_conectado, -1);
    }

    // Cada linha: usuários da base ("LOGIN:SENHA[:AOATIVO]"), o que se digita e o resultado.
    void decisao_data()
    {
        QTest::addColumn<QStringList>("usuarios");
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<bool>("entrou");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<QString>("conectado");
        const QStringList base{"MARIA:Segredo1", "JOAO:abc:N", "PEDRO:xyz:S"};
        QTest::newRow("usuário e senha certos") << base << "MARIA"
                                                << "Segredo1" << true << ""
                                                << ""
                                                << "MARIA";
        QTest::newRow("letras do login viram maiúsculas") << base << "maria"
                                                          << "Segredo1" << true << ""
                                                          << ""
                                                          << "MARIA";
        QTest::newRow("senha compara maiúsculas") << base << "MARIA"
                                                  << "segredo1" << false << "Senha não confere"
                                                  << "edt_Senha"
                                                  << "MARIA";
        QTest::newRow("usuário desconhecido") << base << "JOSE"
                                              << "Segredo1" << false << "Usuário não confere"
                                              << "edt_Usuario"
                                              << "";
        QTest::newRow("AOATIVO S entra") << base << "PEDRO"
                                         << "xyz" << true << ""
                                         << ""
                                         << "PEDRO";
        QTest::newRow("desativado não entra") << base << "JOAO"
                                              << "abc" << false << "Atenção\nEste usuário está desativado"
                                              << "edt_Usuario"
                                              << "JOAO";
        QTest::newRow("desativado com senha errada") << base << "JOAO"
                                                     << "abd" << false << "Senha não confere"
                                                     << "edt_Senha"
                                                     << "JOAO";
        QTest::newRow("ADMIN embutido") << base << "admin" << senhaEmbutida() << true << ""
                                        << ""
                                        << "ADMIN";
        QTest::newRow("ADMIN com senha errada e sem linha ADMIN") << base << "ADMIN"
                                                                  << "1234" << false << "Usuário não confere"
                                                                  << "edt_Usuario"
                                                                  << "";
        QTest::newRow("linha ADMIN conferida antes") << QStringList{"ADMIN:1234"} << "ADMIN"
                                                     << "1234" << true << ""
                                                     << ""
                                                     << "ADMIN";
        QTest::newRow("linha ADMIN e a senha embutida")
            << QStringList{"ADMIN:1234"} << "ADMIN" << senhaEmbutida() << true << ""
            << ""
            << "ADMIN";
        QTest::newRow("linha ADMIN com senha errada") << QStringList{"ADMIN:1234"} << "ADMIN"
                                                      << "4321" << false << "Senha não confere"
                                                      << "edt_Senha"
                                                      << "ADMIN";
        // o banco acha "MARIA" para "MARIA " (brancos no fim), mas o texto digitado difere
        QTest::newRow("login difere e a senha confere") << base << "MARIA "
                                                        << "Segredo1" << false << ""
                                                        << ""
                                                        << "MARIA";
    }
    void decisao()
    {
        QFETCH(QStringList, usuarios);
        QFETCH(QString, digitado);
        QFETCH(QString, senha);
        QFETCH(bool, entrou);
        QFETCH(QString, mensagem);
        QFETCH(QString, foco);
        QFETCH(QString, conectado);
        AmbienteTeste amb;
        int codigoDoConectado = 0;
        for (const QString& u : usuarios) {
            const QStringList p = u.split(':');
            const int codigo = CriarUsuario(amb, p[0], p[1], p.size() > 2 ? QVariant(p[2]) : QVariant());
            if (p[0] == conectado)
                codigoDoConectado = codigo;
        }
        Tfrm_Senha janela;
        QVERIFY(MostrarAtiva(&janela));
        QVERIFY(!janela.PrimeiroAcesso());
        QTest::keyClicks(campo(&janela, "edt_Usuario"), digitado);
        QCOMPARE(campo(&janela, "edt_Usuario")->text(), digitado.toUpper());
        campo(&janela, "edt_Senha")->setText(senha); // a senha embutida não se digita
        QTest::mouseClick(janela.findChild<QPushButton*>("btn_ok"), Qt::LeftButton);

        QCOMPARE(janela.result() == QDialog::Accepted, entrou);
        QCOMPARE(janela.isVisible(), !entrou);
        QCOMPARE(amb.dialogos().mensagens(), mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        if (!foco.isEmpty())
            QCOMPARE(janela.focusWidget()->objectName(), foco);
        QCOMPARE(amb.modulo()->vp_usuario_conectado, conectado);
        QCOMPARE(amb.modulo()->vp_cdusuario_conectado, codigoDoConectado);
        // a tentativa que falha deixa o que foi digitado
        QCOMPARE(campo(&janela, "edt_Usuario")->text(), digitado.toUpper());
        QCOMPARE(campo(&janela, "edt_Senha")->text(), senha);
    }

    // Enter anda pelos campos sem ser digitado; no OK, Enter entra.
    void teclado()
    {
        AmbienteTeste amb;
        CriarUsuario(amb, "MARIA", "Segredo1");
        Tfrm_Senha janela;
        QVERIFY(MostrarAtiva(&janela));
        QTest::keyClicks(janela.focusWidget(), "maria");
        QTest::keyClick(janela.focusWidget(), Qt::Key_Return);
        QCOMPARE(janela.focusWidget()->objectName(), QStringLiteral("edt_Senha"));
        QTest::keyClicks(janela.focusWidget(), "Segredo1");
        QTest::keyClick(janela.focusWidget(), Qt::Key_Enter);
        QCOMPARE(janela.focusWidget()->objectName(), QStringLiteral("btn_ok"));
        QVERIFY(janela.isVisible());
        QCOMPARE(campo(&janela, "edt_Usuario")->text(), QStringLiteral("MARIA"));
        QCOMPARE(campo(&janela, "edt_Senha")->text(), QStringLiteral("Segredo1"));
        QTest::keyClick(janela.focusWidget(), Qt::Key_Return);
        QCOMPARE(janela.result(), int(QDialog::Accepted));
        QVERIFY(amb.dialogos().mensagens().isEmpty());
        // os botões não entram no Tab
        QCOMPARE(janela.findChild<QPushButton*>("btn_ok")->focusPolicy() & Qt::TabFocus, 0);
        QCOMPARE(janela.findChild<QPushButton*>("btn_cancelar")->focusPolicy() & Qt::TabFocus, 0);
    }

    void cancelar()
    {
        AmbienteTeste amb;
        CriarUsuario(amb, "MARIA", "Segredo1");
        Tfrm_Senha janela;
        QVERIFY(MostrarAtiva(&janela));
        QTest::mouseClick(janela.findChild<QPushButton*>("btn_cancelar"), Qt::LeftButton);
        QCOMPARE(janela.result(), int(QDialog::Rejected));
        QVERIFY(!janela.isVisible());
    }

    // Senha gravada que não decifra: aviso, a tentativa segue e a janela termina com Cancelar.
    void senhaGravadaQueNaoDecifra()
    {
        AmbienteTeste amb;
        amb.exec("INSERT INTO USUARIOS (CDLOGIN, CDSENHA) VALUES ('MARIA', 'XYZ')");
        Tfrm_Senha janela;
        QVERIFY(MostrarAtiva(&janela));
        campo(&janela, "edt_Usuario")->setText("MARIA");
        campo(&janela, "edt_Senha")->setText("XYZ");
        QTest::mouseClick(janela.findChild<QPushButton*>("btn_ok"), Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), (QStringList{"Atenção\nocorreu algo com seu login", "Senha não confere"}));
        QCOMPARE(janela.result(), int(QDialog::Rejected));
        QVERIFY(!janela.isVisible());
    }

    void alterarSenha()
    {
        AmbienteTeste amb;
        CriarUsuario(amb, "MARIA", "Segredo1");
        Tfrm_Senha janela;
        QVERIFY(MostrarAtiva(&janela));
        auto* link = janela.findChild<QLabel*>("lbl_alterar_senha");
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Atenção\nInforme o usuário"});
        QVERIFY(amb.dialogos().janelasAbertas().isEmpty());

        QString loginNaJanela;
        amb.dialogos().aoAbrirJanela([&](QDialog* j) {
            loginNaJanela = qobject_cast<Tfrm_Alterar_Senha*>(j)->pn_Login()->text();
            return int(QDialog::Rejected);
        });
        QTest::keyClicks(campo(&janela, "edt_Usuario"), "maria");
        campo(&janela, "edt_Senha")->setText("qualquer");
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"frm_Alterar_Senha"});
        QCOMPARE(loginNaJanela, QStringLiteral("MARIA"));
        QVERIFY(janela.isVisible());
        QCOMPARE(campo(&janela, "edt_Usuario")->text(), QStringLiteral("MARIA"));
        QCOMPARE(campo(&janela, "edt_Senha")->text(), QStringLiteral("qualquer"));
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    // Base nova: a loja define a senha do ADMIN, que fica gravada cifrada; depois é o login normal.
    void primeiroAcesso()
    {
        AmbienteTeste amb;
        Tfrm_Senha janela;
        QVERIFY(MostrarAtiva(&janela));
        QVERIFY(janela.PrimeiroAcesso());
        QCOMPARE(campo(&janela, "edt_Usuario")->text(), QStringLiteral("ADMIN"));
        QVERIFY(campo(&janela, "edt_Usuario")->isReadOnly());
        QVERIFY(campo(&janela, "edt_Confirmar_Senha")->isVisible());
        QCOMPARE(janela.focusWidget()->objectName(), QStringLiteral("edt_Senha"));
        auto* ok = janela.findChild<QPushButton*>("btn_ok");

        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(amb.dialogos().ultimaMensagem(), QStringLiteral("Atenção\nInforme a senha do administrador"));
        QTest::keyClicks(campo(&janela, "edt_Senha"), "Loja2024");
        QTest::keyClick(campo(&janela, "edt_Senha"), Qt::Key_Return);
        QCOMPARE(janela.focusWidget()->objectName(), QStringLiteral("edt_Confirmar_Senha"));
        QTest::keyClicks(campo(&janela, "edt_Confirmar_Senha"), "Loja2025");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(amb.dialogos().ultimaMensagem(), QStringLiteral("Atenção\nSenhas não conferem"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM USUARIOS").toInt(), 0);

        campo(&janela, "edt_Confirmar_Senha")->setText("Loja2024");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(amb.dialogos().ultimaMensagem().startsWith("Confirmado\nSenha do administrador definida"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM USUARIOS").toInt(), 1);
        QCOMPARE(SenhaGravada(amb, "ADMIN"), QStringLiteral("Loja2024"));
        QVERIFY(!amb.valor("SELECT CDSENHA FROM USUARIOS").toString().contains("Loja"));
        QVERIFY(janela.isVisible());

        // agora o login normal
        QVERIFY(!janela.PrimeiroAcesso());
        QVERIFY(!campo(&janela, "edt_Usuario")->isReadOnly());
        QVERIFY(!campo(&janela, "edt_Confirmar_Senha")->isVisible());
        QCOMPARE(campo(&janela, "edt_Senha")->text(), QString());
        QTest::keyClicks(campo(&janela, "edt_Senha"), "Loja2024");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(janela.result(), int(QDialog::Accepted));
        QCOMPARE(amb.modulo()->vp_usuario_conectado, QStringLiteral("ADMIN"));
        QCOMPARE(amb.modulo()->vp_cdusuario_conectado, amb.valor("SELECT CDUSUARIO FROM USUARIOS").toInt());
    }

    // Outra estação criou usuários enquanto a janela de primeiro acesso estava aberta.
    void primeiroAcessoJaFeitoEmOutraEstacao()
    {
        AmbienteTeste amb;
        Tfrm_Senha janela;
        QVERIFY(janela.PrimeiroAcesso());
        CriarUsuario(amb, "ADMIN", "DeLa123");
        campo(&janela, "edt_Senha")->setText("Daqui1");
        campo(&janela, "edt_Confirmar_Senha")->setText("Daqui1");
        QTest::mouseClick(janela.findChild<QPushButton*>("btn_ok"), Qt::LeftButton);
        QVERIFY(amb.dialogos().ultimaMensagem().startsWith("Atenção\nOs usuários já foram definidos"));
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM USUARIOS").toInt(), 1);
        QCOMPARE(SenhaGravada(amb, "ADMIN"), QStringLiteral("DeLa123"));
        QVERIFY(!janela.PrimeiroAcesso());
    }

    // A conferência embutida continua valendo com USUARIOS vazia (código 0).
    void adminEmbutidoComUsuariosVazia()
    {
        AmbienteTeste amb;
        Tfrm_Senha janela;
        campo(&janela, "edt_Senha")->setText(senhaEmbutida());
        janela.Verifica_Senha();
        QCOMPARE(janela.result(), int(QDialog::Accepted));
        QCOMPARE(amb.modulo()->vp_usuario_conectado, QStringLiteral("ADMIN"));
        QCOMPARE(amb.modulo()->vp_cdusuario_conectado, 0);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM USUARIOS").toInt(), 0);
    }

    // A janela do administrador: nova a cada pedido, decide sem mensagem.
    void permissaoADMIN_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<bool>("fecharNaCaixa");
        QTest::addColumn<bool>("permitido");
        QTest::newRow("senha certa") << kSenhaJanelaADMIN << false << true;
        QTest::newRow("senha errada") << "8" << false << false;
        QTest::newRow("vazia") << "" << false << false;
        QTest::newRow("a senha embutida não serve") << "ADMIN" << false << false;
        QTest::newRow("fechada na caixa") << kSenhaJanelaADMIN << true << false;
    }
    void permissaoADMIN()
    {
        QFETCH(QString, digitado);
        QFETCH(bool, fecharNaCaixa);
        QFETCH(bool, permitido);
        AmbienteTeste amb;
        for (int vez = 0; vez < 2; ++vez) {
            amb.dialogos().aoAbrirJanela([&](QDialog* j) {
                auto* senha = j->findChild<QLineEdit*>("edt_SENHA");
                if (!senha->text().isEmpty())
                    return 99; // o campo tinha de começar vazio
                QTest::keyClicks(senha, digitado);
                if (fecharNaCaixa)
                    j->close();
                else
                    QTest::mouseClick(j->findChild<QToolButton*>("IMG_Confirmar"), Qt::LeftButton);
                return j->isVisible() ? 98 : j->result();
            });
            QCOMPARE(amb.modulo()->PermissaoADMIN(), permitido);
        }
        QCOMPARE(amb.dialogos().janelasAbertas(), (QStringList{"frm_ADMIN", "frm_ADMIN"}));
        QVERIFY(amb.dialogos().mensagens().isEmpty());
    }
};

REGISTRAR_TESTE(TesteLogin)
#include "tst_login.moc"
