// Estilos: a lista, aplicar pelo nome, a janela de estilos (experimentar, guardar) e o
// Setaraparencia.
#include <QApplication>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QSet>

#include "core/u_ArquivoIni.h"
#include "mainwin/u_Estilos.h"
#include "mainwin/u_GerenciadorEstilos.h"
#include "support/suporte.h"

namespace {
QString estiloGuardado(const AmbienteTeste& amb)
{
    return TArquivoIni(amb.pastaAplicacao() + "Config.ini").ler("APARENCIA", "Estilo", "(nada)");
}

void duploClique(QListWidget* lista, const QString& nome)
{
    QListWidgetItem* item = lista->findItems(nome, Qt::MatchExactly).value(0);
    QVERIFY(item);
    lista->scrollToItem(item);
    const QPoint ponto = lista->visualItemRect(item).center();
    // como o sistema entrega: o primeiro clique seleciona, depois vem o duplo
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, ponto);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, ponto);
}
} // namespace

class TesteEstilos : public QObject
{
    Q_OBJECT
private slots:
    void nomes()
    {
        const QStringList nomes = TGerenciadorEstilos::NomesDosEstilos();
        QCOMPARE(nomes.size(), 39);
        QCOMPARE(nomes.first(), TGerenciadorEstilos::NomeEstiloSistema());
        QCOMPARE(nomes.mid(1, 3), (QStringList{"Amakrits", "Amethyst Kamri", "Aqua Graphite"}));
        for (const char* n : {"Metropolis UI Blue", "Cobalt XEMedia", "Windows Slate Gray", "Iceberg Classico"})
            QVERIFY2(nomes.contains(QLatin1String(n)), n);
        QCOMPARE(QSet<QString>(nomes.begin(), nomes.end()).size(), nomes.size());
        // cada tema com as suas cores
        QSet<QString> cores;
        for (const QString& n : nomes.mid(1)) {
            const QPalette p = TGerenciadorEstilos::Paleta(n);
            cores << p.color(QPalette::Window).name() + p.color(QPalette::Highlight).name() +
                         p.color(QPalette::Base).name();
            QVERIFY2(p.color(QPalette::Text) != p.color(QPalette::Base), qPrintable(n));
            QVERIFY2(p.color(QPalette::WindowText) != p.color(QPalette::Window), qPrintable(n));
        }
        QCOMPARE(cores.size(), 38);
    }

    void aplicar()
    {
        TGerenciadorEstilos::Aplicar("Carbon");
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Carbon"));
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 TGerenciadorEstilos::Paleta("Carbon").color(QPalette::Window));
        auto* estilo = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(estilo);
        QCOMPARE(estilo->baseStyle()->name(), QStringLiteral("fusion"));
        try {
            TGerenciadorEstilos::Aplicar("Carbono");
            QFAIL("nome desconhecido aplicado");
        } catch (const EEstiloNaoEncontrado& erro) {
            QCOMPARE(QString::fromUtf8(erro.what()), QStringLiteral("Style 'Carbono' not found"));
        }
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Carbon"));
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 TGerenciadorEstilos::Paleta("Carbon").color(QPalette::Window));
        // nomes como aparecem: a caixa conta
        QVERIFY(!TGerenciadorEstilos::Existe("carbon"));

        TGerenciadorEstilos::Aplicar(TGerenciadorEstilos::NomeEstiloSistema());
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 TGerenciadorEstilos::Paleta(TGerenciadorEstilos::NomeEstiloSistema()).color(QPalette::Window));
        QVERIFY(QApplication::palette().color(QPalette::Window) !=
                TGerenciadorEstilos::Paleta("Carbon").color(QPalette::Window));
    }

    void janela()
    {
        AmbienteTeste amb;
        Tfrm_Estilos janela;
        QCOMPARE(janela.windowTitle(), QStringLiteral("Estilos de Interface"));
        auto* lista = janela.findChild<QListWidget*>("lst_Estilos");
        QStringList itens;
        for (int i = 0; i < lista->count(); ++i)
            itens << lista->item(i)->text();
        QCOMPARE(itens, TGerenciadorEstilos::NomesDosEstilos());
        QVERIFY(lista->selectedItems().isEmpty());
    }

    // Duplo clique só experimenta; Esc sai sem guardar e a próxima ativação volta ao guardado.
    void experimentar()
    {
        AmbienteTeste amb;
        amb.modulo()->Setaraparencia();
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Amakrits"));
        Tfrm_Estilos janela;
        janela.show();
        auto* lista = janela.findChild<QListWidget*>("lst_Estilos");

        janela.lst_EstilosDblClick();
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Selecione um estilo na lista."});
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Amakrits"));

        amb.dialogos().limpar();
        duploClique(lista, "Glow");
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Glow"));
        QVERIFY(amb.dialogos().mensagens().isEmpty());
        QCOMPARE(estiloGuardado(amb), QStringLiteral("Amakrits"));

        QTest::keyClick(&janela, Qt::Key_Escape);
        QCOMPARE(janela.result(), int(QDialog::Rejected));
        QCOMPARE(estiloGuardado(amb), QStringLiteral("Amakrits"));
        amb.modulo()->Setaraparencia(); // o que a janela principal faz ao voltar a ficar ativa
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Amakrits"));
    }

    void guardar_data()
    {
        QTest::addColumn<QString>("escolhido");
        QTest::newRow("tema") << "Metropolis UI Blue";
        QTest::newRow("padrão do sistema") << "Padrão do sistema";
    }
    void guardar()
    {
        QFETCH(QString, escolhido);
        AmbienteTeste amb;
        Tfrm_Estilos janela;
        janela.show();
        auto* lista = janela.findChild<QListWidget*>("lst_Estilos");
        auto* ok = janela.findChild<QPushButton*>("btn_Ok");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Selecione um estilo na lista."});
        QCOMPARE(estiloGuardado(amb), QStringLiteral("Amakrits"));
        QVERIFY(janela.isVisible());

        amb.dialogos().limpar();
        lista->findItems(escolhido, Qt::MatchExactly).value(0)->setSelected(true);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Mensagem armazenada com sucesso!"});
        QCOMPARE(estiloGuardado(amb), escolhido);
        QCOMPARE(janela.result(), int(QDialog::Accepted));
        QCOMPARE(TGerenciadorEstilos::Ativo(), escolhido);
        // o resto do Config.ini fica
        QCOMPARE(TArquivoIni(amb.pastaAplicacao() + "Config.ini").ler("CONEXAO", "StrCon", ""), amb.caminhoBase());
        amb.modulo()->Setaraparencia();
        QCOMPARE(amb.modulo()->vAparencia, escolhido);
        QVERIFY(amb.dialogos().mensagens().size() == 1);
    }

    void semConfigIni()
    {
        AmbienteTeste amb;
        amb.modulo()->Setaraparencia();
        QCOMPARE(amb.modulo()->vAparencia, QStringLiteral("Amakrits"));
        QVERIFY(QFile::remove(amb.pastaAplicacao() + "Config.ini"));
        amb.modulo()->Setaraparencia();
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Arquivo de configuracao \"Config.ini\" não encontrado"});
        QCOMPARE(amb.modulo()->vAparencia, QStringLiteral("Amakrits"));
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Amakrits"));
    }
};

REGISTRAR_TESTE(TesteEstilos)
#include "tst_estilos.moc"
