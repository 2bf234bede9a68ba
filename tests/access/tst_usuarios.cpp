// Usuários: a lista (só ativos), criação com a permissão do administrador, exclusão,
// desativação e o "Corrigir" (Ctrl+A); as operações do módulo de dados.
#include <QAction>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

#include "access/u_ADMIN.h"
#include "access/u_CadUsuariosSistema.h"
#include "access/u_Lista_Usuarios.h"
#include "core/u_Dataset.h"
#include "support/suporte.h"
#include "usuarios_teste.h"

namespace {
// Base de todos os casos: ADMIN, MARIA e JOAO ativos, ANA desativada.
struct TUsuarios
{
    explicit TUsuarios(AmbienteTeste& amb)
    {
        admin = CriarUsuario(amb, "ADMIN", "Chefe1");
        maria = CriarUsuario(amb, "MARIA", "Maria1", "S");
        joao = CriarUsuario(amb, "JOAO", "Joao1");
        ana = CriarUsuario(amb, "ANA", "Ana1", "N");
    }
    int admin, maria, joao, ana;
};

QStringList loginsNaLista(Tfrm_Lista_Usuarios& janela)
{
    QStringList logins;
    TDataset* q = janela.Qry_Usuarios();
    for (int i = 0; i < q->registros(); ++i)
        logins << q->valor(i, "CDLOGIN").toString();
    return logins;
}

void selecionar(Tfrm_Lista_Usuarios& janela, const QString& login)
{
    QVERIFY(janela.Qry_Usuarios()->localizar("CDLOGIN", login));
}

bool existe(AmbienteTeste& amb, const QString& login)
{
    return amb.valor("SELECT COUNT(*) FROM USUARIOS WHERE CDLOGIN = :L", {{"L", login}}).toInt() > 0;
}

// Responde a janela do administrador com a senha dada.
std::function<int(QDialog*)> responderADMIN(const QString& senha)
{
    return [senha](QDialog* j) {
        QTest::keyClicks(j->findChild<QLineEdit*>("edt_SENHA"), senha);
        QTest::mouseClick(j->findChild<QToolButton*>("IMG_Confirmar"), Qt::LeftButton);
        return j->result();
    };
}
} // namespace

class TesteUsuarios : public QObject
{
    Q_OBJECT
private slots:
    void listaSoDosAtivos()
    {
        AmbienteTeste amb;
        TUsuarios u(amb);
        Tfrm_Lista_Usuarios janela;
        janela.show();
        QCOMPARE(loginsNaLista(janela), (QStringList{"ADMIN", "MARIA", "JOAO"}));
        auto* grade = janela.findChild<QTableView*>("dbg_Usuarios");
        QStringList visiveis;
        for (int c = 0; c < grade->model()->columnCount(); ++c)
            if (!grade->isColumnHidden(c))
                visiveis << grade->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(visiveis, (QStringList{"Código", "Login"}));
        QCOMPARE(grade->selectionBehavior(), QAbstractItemView::SelectRows);
        // "Corrigir" não aparece no menu
        QVERIFY(!janela.findChild<QAction*>("Corrigir1")->isVisible());
        QVERIFY(janela.findChild<QAction*>("Excluir1")->isVisible());
    }

    void novoUsuarioSemPermissao()
    {
        AmbienteTeste amb;
        TUsuarios u(amb);
        Tfrm_Lista_Usuarios janela;
        amb.dialogos().aoAbrirJanela(responderADMIN("9"));
        janela.Novousuario1Click();
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"ATENÇÃO\nPermissão NEGADA"});
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"frm_ADMIN"});
    }

    // Com a senha da janela do administrador abre a criação; o login e a senha viram maiúsculas.
    void novoUsuario()
    {
        AmbienteTeste amb;
        TUsuarios u(amb);
        amb.modulo()->vp_usuario_conectado = "MARIA"; // criar não depende de quem está conectado
        Tfrm_Lista_Usuarios janela;
        amb.dialogos().aoAbrirJanela(responderADMIN(kSenhaJanelaADMIN));
        amb.dialogos().aoAbrirJanela([](QDialog* j) {
            QTest::keyClicks(j->findChild<QLineEdit*>("edt_usuario"), "carlos");
            QTest::keyClicks(j->findChild<QLineEdit*>("edt_senha"), "segred");
            QTest::mouseClick(j->findChild<QToolButton*>("btn_salvar"), Qt::LeftButton);
            return j->result();
        });
        janela.Novousuario1Click();
        QCOMPARE(amb.dialogos().janelasAbertas(), (QStringList{"frm_ADMIN", "frm_Usuarios_Sistema"}));
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Atenção\nUsuário cadastrado com sucesso"});
        QCOMPARE(SenhaGravada(amb, "CARLOS"), QStringLiteral("SEGRED"));
        QVERIFY(amb.valor("SELECT AOATIVO FROM USUARIOS WHERE CDLOGIN = 'CARLOS'").isNull());
        QVERIFY(loginsNaLista(janela).contains("CARLOS")); // a lista foi reaberta
    }

    void criacao_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("gravado"); // login gravado, vazio se nada
        QTest::newRow("cria") << "pedro"
                              << "abc123"
                              << "Atenção\nUsuário cadastrado com sucesso"
                              << "PEDRO";
        QTest::newRow("só 6 letras") << "ABCDEFGH"
                                     << "x"
                                     << "Atenção\nUsuário cadastrado com sucesso"
                                     << "ABCDEF";
        QTest::newRow("sem login") << ""
                                   << "abc"
                                   << "Atenção\nInforme o usuário"
                                   << "";
        QTest::newRow("login em branco") << "   "
                                         << "abc"
                                         << "Atenção\nInforme o usuário"
                                         << "";
        QTest::newRow("sem senha") << "PEDRO"
                                   << ""
                                   << "Atenção\nInforme a senha"
                                   << "";
        QTest::newRow("já existe") << "maria"
                                   << "abc"
                                   << "Atenção\nEste usuário já existe"
                                   << "";
        QTest::newRow("desativado também existe") << "ANA"
                                                  << "abc"
                                                  << "Atenção\nEste usuário já existe"
                                                  << "";
    }
    void criacao()
    {
        QFETCH(QString, login);
        QFETCH(QString, senha);
        QFETCH(QString, mensagem);
        QFETCH(QString, gravado);
        AmbienteTeste amb;
        TUsuarios u(amb);
        const int antes = amb.valor("SELECT COUNT(*) FROM USUARIOS").toInt();
        Tfrm_Usuarios_Sistema janela;
        janela.show();
        QTest::keyClicks(janela.findChild<QLineEdit*>("edt_usuario"), login);
        QTest::keyClicks(janela.findChild<QLineEdit*>("edt_senha"), senha);
        QTest::mouseClick(janela.findChild<QToolButton*>("btn_salvar"), Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{mensagem});
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM USUARIOS").toInt(), antes + (gravado.isEmpty() ? 0 : 1));
        QCOMPARE(janela.isVisible(), gravado.isEmpty());
        if (!gravado.isEmpty())
            QCOMPARE(SenhaGravada(amb, gravado), senha.toUpper());
    }

    void excluir_data()
    {
        QTest::addColumn<QString>("conectado");
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<int>("resposta"); // 1 Sim, 0 Não, -1 sem pergunta
        QTest::addColumn<bool>("comLancamentos");
        QTest::addColumn<QString>("mensagem"); // depois da pergunta, se houver
        QTest::addColumn<bool>("excluiu");
        QTest::addColumn<bool>("fechou");
        QTest::newRow("ADMIN exclui") << "ADMIN"
                                      << "MARIA" << 1 << false << "Atenção\nUsuário EXCLUÍDO" << true << true;
        QTest::newRow("ADM exclui") << "ADM"
                                    << "JOAO" << 1 << false << "Atenção\nUsuário EXCLUÍDO" << true << true;
        QTest::newRow("resposta Não") << "ADMIN"
                                      << "MARIA" << 0 << false << "" << false << true;
        QTest::newRow("com histórico")
            << "ADMIN"
            << "MARIA" << 1 << true << "Atenção - existe histórico deste usuário\nNão foi possível excluir este usuário"
            << false << true;
        QTest::newRow("outro usuário não pode")
            << "MARIA"
            << "JOAO" << -1 << false << "Atenção\nNão pode excluir JOAO" << false << false;
        QTest::newRow("admin minúsculo não é o administrador")
            << "admin"
            << "JOAO" << -1 << false << "Atenção\nNão pode excluir JOAO" << false << false;
        QTest::newRow("a linha ADMIN fica")
            << "ADMIN"
            << "ADMIN" << -1 << false << "Atenção\nO usuário ADMIN não pode ser excluído" << false << false;
    }
    void excluir()
    {
        QFETCH(QString, conectado);
        QFETCH(QString, alvo);
        QFETCH(int, resposta);
        QFETCH(bool, comLancamentos);
        QFETCH(QString, mensagem);
        QFETCH(bool, excluiu);
        QFETCH(bool, fechou);
        AmbienteTeste amb;
        TUsuarios u(amb);
        if (comLancamentos)
            amb.exec("INSERT INTO LANCAMENTOS (CDFUNCIONARIO) VALUES (:C)", {{"C", u.maria}});
        amb.modulo()->vp_usuario_conectado = conectado;
        Tfrm_Lista_Usuarios janela;
        janela.show();
        selecionar(janela, alvo);
        if (resposta >= 0)
            amb.dialogos().responder(resposta == 1);
        janela.Excluir1Click();

        QStringList esperado;
        if (resposta >= 0)
            esperado << "Confirma excluir?";
        if (!mensagem.isEmpty())
            esperado << mensagem;
        QCOMPARE(amb.dialogos().textos(), esperado);
        if (resposta >= 0)
            QCOMPARE(amb.dialogos().mostrados().first().titulo, QStringLiteral("Atenção"));
        QCOMPARE(existe(amb, alvo), !excluiu);
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM USUARIOS").toInt(), excluiu ? 3 : 4);
        QCOMPARE(!janela.isVisible(), fechou);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    void desativar_data()
    {
        QTest::addColumn<QString>("conectado");
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<bool>("desativou");
        QTest::newRow("ADMIN desativa") << "ADMIN"
                                        << "MARIA"
                                        << "" << true;
        QTest::newRow("ADM não desativa") << "ADM"
                                          << "MARIA"
                                          << "Atenção\nOpção disponível somente pelo Administrador" << false;
        QTest::newRow("a linha ADMIN fica") << "ADMIN"
                                            << "ADMIN"
                                            << "Atenção\nO usuário ADMIN não pode ser desativado" << false;
    }
    void desativar()
    {
        QFETCH(QString, conectado);
        QFETCH(QString, alvo);
        QFETCH(QString, mensagem);
        QFETCH(bool, desativou);
        AmbienteTeste amb;
        TUsuarios u(amb);
        amb.modulo()->vp_usuario_conectado = conectado;
        Tfrm_Lista_Usuarios janela;
        janela.show();
        selecionar(janela, alvo);
        janela.Desativaresseusuario1Click();
        QCOMPARE(amb.dialogos().mensagens(), mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        QCOMPARE(amb.valor("SELECT AOATIVO FROM USUARIOS WHERE CDLOGIN = :L", {{"L", alvo}}).toString() == "N",
                 desativou);
        QCOMPARE(loginsNaLista(janela).contains(alvo), !desativou);
        QVERIFY(janela.isVisible());
        // continua na lista do módulo (a da OS)
        amb.modulo()->AbrirUsuarios();
        QVERIFY(amb.modulo()->Qry_Usuarios->localizar("CDLOGIN", alvo));
    }

    // Ctrl+A na grade recifra a senha gravada; só para o administrador.
    void corrigir()
    {
        AmbienteTeste amb;
        TUsuarios u(amb);
        amb.exec("UPDATE USUARIOS SET CDSENHA = 'PLANA' WHERE CDLOGIN = 'JOAO'"); // gravada sem cifra
        Tfrm_Lista_Usuarios janela;
        janela.show();
        auto* grade = janela.findChild<QTableView*>("dbg_Usuarios");
        selecionar(janela, "JOAO");

        amb.modulo()->vp_usuario_conectado = "MARIA";
        QTest::keyClick(grade, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Atenção\nOpção disponível somente pelo Administrador"});
        QCOMPARE(amb.valor("SELECT CDSENHA FROM USUARIOS WHERE CDLOGIN = 'JOAO'").toString(), QStringLiteral("PLANA"));

        amb.dialogos().limpar();
        amb.modulo()->vp_usuario_conectado = "ADMIN";
        QTest::keyClick(grade, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(amb.dialogos().mensagens().isEmpty());
        QCOMPARE(SenhaGravada(amb, "JOAO"), QStringLiteral("PLANA"));
        QCOMPARE(SenhaGravada(amb, "MARIA"), QStringLiteral("Maria1"));

        // de novo: cifra a cifra, e a senha antiga deixa de conferir
        selecionar(janela, "JOAO");
        QTest::keyClick(grade, Qt::Key_A, Qt::ControlModifier);
        const QString umaVez = SenhaGravada(amb, "JOAO");
        QVERIFY(umaVez != QStringLiteral("PLANA"));
        QCOMPARE(Crypt("D", umaVez), QStringLiteral("PLANA"));

        // o que não cabe na coluna é recusado antes do banco
        amb.exec("UPDATE USUARIOS SET CDSENHA = :S WHERE CDLOGIN = 'JOAO'", {{"S", QString(60, QLatin1Char('A'))}});
        janela.Qry_Usuarios()->fechar();
        janela.Qry_Usuarios()->abrir();
        selecionar(janela, "JOAO");
        QTest::keyClick(grade, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(amb.dialogos().ultimaMensagem().contains("80"));
        QCOMPARE(amb.valor("SELECT CDSENHA FROM USUARIOS WHERE CDLOGIN = 'JOAO'").toString(),
                 QString(60, QLatin1Char('A')));
    }

    void operacoesDoModulo()
    {
        AmbienteTeste amb;
        TUsuarios u(amb);
        auto* dm = amb.modulo();
        QVERIFY(dm->UsuarioExiste("MARIA"));
        QVERIFY(dm->UsuarioExiste("ANA"));
        QVERIFY(!dm->UsuarioExiste("maria"));
        QVERIFY(!dm->UsuarioExiste("PEDRO"));
        QVERIFY(!dm->ExisteRegistrodeLancamentosdoUsuario(u.joao));
        amb.exec("INSERT INTO LANCAMENTOS (CDFUNCIONARIO) VALUES (:C)", {{"C", u.joao}});
        QVERIFY(dm->ExisteRegistrodeLancamentosdoUsuario(u.joao));
        QVERIFY(!dm->ExisteRegistrodeLancamentosdoUsuario(u.maria));
        dm->AbrirUsuarios();
        QStringList logins;
        for (int i = 0; i < dm->Qry_Usuarios->registros(); ++i)
            logins << dm->Qry_Usuarios->valor(i, "CDLOGIN").toString();
        QCOMPARE(logins, (QStringList{"ADMIN", "ANA", "JOAO", "MARIA"}));
    }
};

REGISTRAR_TESTE(TesteUsuarios)
#include "tst_usuarios.moc"
