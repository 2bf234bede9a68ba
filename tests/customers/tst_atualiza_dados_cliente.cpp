// A troca rápida do celular do cliente atual.
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "core/u_Telas.h"
#include "support/suporte.h"

class TesteAtualizaDadosCliente : public QObject
{
    Q_OBJECT
private slots:
    void salvar_data()
    {
        QTest::addColumn<QString>("digitado"); // o que fica no campo depois de apagar o que havia
        QTest::addColumn<int>("pergunta");     // -1 nenhuma, 0 responde Não, 1 responde Sim
        QTest::addColumn<QString>("gravado");  // vazio: nada muda
        QTest::newRow("número novo") << "21998887766" << -1 << "(21)99888-7766";
        QTest::newRow("só o DDD, sem pergunta") << "21" << -1 << "(21)     -    ";
        QTest::newRow("vazio e sim") << "" << 1 << "(  )     -    ";
        QTest::newRow("vazio e não") << "" << 0 << "";
    }
    void salvar()
    {
        QFETCH(QString, digitado);
        QFETCH(int, pergunta);
        QFETCH(QString, gravado);
        OpcoesAmbiente op;
        op.demo = true;
        AmbienteTeste amb(op);
        const int maria = amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = 'MARIA APARECIDA SOUZA'").toInt();
        const int ana = amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = 'ANA PAULA FERREIRA'").toInt();
        amb.modulo()->vCDCONTROLE_CLIENTE = maria;
        if (pergunta >= 0)
            amb.dialogos().responder(pergunta == 1);
        bool ficouAberta = false;
        QStringList mostrado;
        amb.dialogos().aoAbrirJanela([&](QDialog* d) {
            auto* celular = d->findChild<QLineEdit*>("edt_Celular");
            mostrado << d->windowTitle() << d->findChild<QLabel*>("pn_1")->text() << celular->displayText();
            celular->clear();
            celular->setFocus();
            celular->setCursorPosition(0);
            QTest::keyClicks(celular, digitado);
            QTest::mouseClick(d->findChild<QToolButton*>("IMG_Salvar"), Qt::LeftButton);
            ficouAberta = d->isVisible() && d->result() == 0;
            return d->result();
        });
        QVERIFY(AbrirTela("AtualizaDadosCliente"));
        QCOMPARE(mostrado, (QStringList{"Atualizar dados do cliente", "MARIA APARECIDA SOUZA", "(11)97654-3210"}));
        const QString agora =
            amb.valor("SELECT CELULAR FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", maria}}).toString();
        QCOMPARE(agora, gravado.isEmpty() ? QStringLiteral("(11)97654-3210") : gravado);
        QCOMPARE(ficouAberta, gravado.isEmpty());
        if (pergunta >= 0) {
            QCOMPARE(amb.dialogos().textos(),
                     QStringList{"Você deve informar o celular, deseja continuar mesmo sem o número?"});
            QCOMPARE(amb.dialogos().mostrados().last().tipo, QStringLiteral("pergunta"));
            QCOMPARE(amb.dialogos().mostrados().last().titulo, QStringLiteral("Atenção"));
        } else {
            QVERIFY(amb.dialogos().textos().isEmpty());
        }
        // só o celular do cliente atual muda
        QCOMPARE(amb.valor("SELECT CELULAR FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", ana}}).toString(),
                 QStringLiteral("(11)95432-1098"));
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    // Esc não fecha; a moldura fecha sem gravar.
    void fecharSemSalvar()
    {
        OpcoesAmbiente op;
        op.demo = true;
        AmbienteTeste amb(op);
        const int maria = amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = 'MARIA APARECIDA SOUZA'").toInt();
        amb.modulo()->vCDCONTROLE_CLIENTE = maria;
        bool abertaDepoisDoEsc = false;
        amb.dialogos().aoAbrirJanela([&](QDialog* d) {
            auto* celular = d->findChild<QLineEdit*>("edt_Celular");
            celular->setText("21911112222");
            celular->setFocus();
            QTest::keyClick(celular, Qt::Key_Escape);
            abertaDepoisDoEsc = d->isVisible();
            d->close();
            return d->result();
        });
        QVERIFY(AbrirTela("AtualizaDadosCliente"));
        QVERIFY(abertaDepoisDoEsc);
        QCOMPARE(amb.dialogos().mostrados().last().tipo, QStringLiteral("janela"));
        QCOMPARE(amb.valor("SELECT CELULAR FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", maria}}).toString(),
                 QStringLiteral("(11)97654-3210"));
    }
};

REGISTRAR_TESTE(TesteAtualizaDadosCliente)
#include "tst_atualiza_dados_cliente.moc"
