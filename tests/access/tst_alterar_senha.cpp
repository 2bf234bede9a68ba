// Troca de senha: conferência da senha atual ao sair do campo e de novo ao gravar.
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "access/u_Alterar_Senha.h"
#include "support/suporte.h"
#include "usuarios_teste.h"

class TesteAlterarSenha : public QObject
{
    Q_OBJECT
private:
    static QLineEdit* campo(QWidget* janela, const char* nome)
    {
        return janela->findChild<QLineEdit*>(QLatin1String(nome));
    }

private slots:
    void saidaDaSenhaAtual()
    {
        AmbienteTeste amb;
        CriarUsuario(amb, "MARIA", "Velha12");
        Tfrm_Alterar_Senha janela;
        janela.pn_Login()->setText("MARIA");
        QVERIFY(MostrarAtiva(&janela));
        QCOMPARE(janela.focusWidget()->objectName(), QStringLiteral("edt_Senha_Atual"));
        QTest::keyClicks(campo(&janela, "edt_Senha_Atual"), "velha12");
        QTest::keyClick(campo(&janela, "edt_Senha_Atual"), Qt::Key_Tab);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Atenção\nSua senha atual digitada está errada!"});
        QCOMPARE(janela.focusWidget()->objectName(), QStringLiteral("edt_Senha_Atual"));

        amb.dialogos().limpar();
        campo(&janela, "edt_Senha_Atual")->setText("Velha12");
        QTest::keyClick(campo(&janela, "edt_Senha_Atual"), Qt::Key_Tab);
        QVERIFY(amb.dialogos().mensagens().isEmpty());
        QCOMPARE(janela.focusWidget()->objectName(), QStringLiteral("edt_Nova_Senha1"));
    }

    void gravar_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("atual");
        QTest::addColumn<QString>("nova1");
        QTest::addColumn<QString>("nova2");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("gravada"); // senha de MARIA depois
        QTest::newRow("troca") << "MARIA"
                               << "Velha12"
                               << "Nova1234"
                               << "Nova1234"
                               << "Confirmado\nSua senha foi alterada!"
                               << "Nova1234";
        QTest::newRow("minúsculas ficam") << "MARIA"
                                          << "Velha12"
                                          << "novinha"
                                          << "novinha"
                                          << "Confirmado\nSua senha foi alterada!"
                                          << "novinha";
        QTest::newRow("diferentes") << "MARIA"
                                    << "Velha12"
                                    << "Nova1234"
                                    << "Nova1235"
                                    << "Atenção\nSenhas não conferem"
                                    << "Velha12";
        QTest::newRow("só a caixa difere") << "MARIA"
                                           << "Velha12"
                                           << "Abc"
                                           << "abc"
                                           << "Atenção\nSenhas não conferem"
                                           << "Velha12";
        QTest::newRow("nova vazia") << "MARIA"
                                    << "Velha12"
                                    << ""
                                    << ""
                                    << "Atenção\nInforme a nova senha"
                                    << "Velha12";
        QTest::newRow("senha atual errada ao gravar") << "MARIA"
                                                      << "outra"
                                                      << "Nova1234"
                                                      << "Nova1234"
                                                      << "Atenção\nSua senha atual digitada está errada!"
                                                      << "Velha12";
        QTest::newRow("senha atual vazia") << "MARIA"
                                           << ""
                                           << "Nova1234"
                                           << "Nova1234"
                                           << "Atenção\nSua senha atual digitada está errada!"
                                           << "Velha12";
        QTest::newRow("login sem linha") << "NINGUEM"
                                         << ""
                                         << "Nova1234"
                                         << "Nova1234"
                                         << "Atenção\nUsuário não cadastrado"
                                         << "Velha12";
    }
    void gravar()
    {
        QFETCH(QString, login);
        QFETCH(QString, atual);
        QFETCH(QString, nova1);
        QFETCH(QString, nova2);
        QFETCH(QString, mensagem);
        QFETCH(QString, gravada);
        AmbienteTeste amb;
        CriarUsuario(amb, "MARIA", "Velha12");
        CriarUsuario(amb, "JOAO", "DoJoao1");
        Tfrm_Alterar_Senha janela;
        janela.pn_Login()->setText(login);
        janela.show();
        // preenchidos sem sair do campo: quem grava tem de conferir
        campo(&janela, "edt_Senha_Atual")->setText(atual);
        campo(&janela, "edt_Nova_Senha1")->setText(nova1);
        campo(&janela, "edt_Nova_Senha2")->setText(nova2);
        QTest::mouseClick(janela.findChild<QToolButton*>("IMG_Confirmar"), Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{mensagem});
        QCOMPARE(SenhaGravada(amb, "MARIA"), gravada);
        QCOMPARE(SenhaGravada(amb, "JOAO"), QStringLiteral("DoJoao1"));
        const bool trocou = mensagem.startsWith("Confirmado");
        QCOMPARE(janela.isVisible(), !trocou);
        QCOMPARE(janela.result() == QDialog::Accepted, trocou);
    }

    void oitoCaracteres()
    {
        AmbienteTeste amb;
        Tfrm_Alterar_Senha janela;
        for (const char* nome : {"edt_Nova_Senha1", "edt_Nova_Senha2"}) {
            QTest::keyClicks(campo(&janela, nome), "123456789");
            QCOMPARE(campo(&janela, nome)->text(), QStringLiteral("12345678"));
        }
        QTest::keyClicks(campo(&janela, "edt_Senha_Atual"), "uma senha atual comprida");
        QCOMPARE(campo(&janela, "edt_Senha_Atual")->text(), QStringLiteral("uma senha atual comprida"));
    }
};

REGISTRAR_TESTE(TesteAlterarSenha)
#include "tst_alterar_senha.moc"
