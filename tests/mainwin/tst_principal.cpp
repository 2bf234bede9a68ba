// Janela principal: regra do Modulo, atalhos e menus pelo catálogo de telas, barra de status,
// figuras de passar o mouse, dicas em balão, empresa no primeiro início e estilo na ativação.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "core/u_Telas.h"
#include "mainwin/u_DicaBalao.h"
#include "mainwin/u_GerenciadorEstilos.h"
#include "mainwin/u_Principal.h"
#include "support/suporte.h"

namespace {
// As telas abertas pela janela principal ficam gravadas aqui (as de verdade são de outros testes).
struct TAberturas
{
    QStringList chaves;
    int conferenciasDaEmpresa = 0;
    QList<QWidget*> pais;
    int clienteNaVenda = -1;
};
TAberturas g_aberturas;

void gravarAberturas(const QStringList& chaves)
{
    for (const QString& chave : chaves)
        RegistrarTela(chave, [chave](QWidget* pai) {
            if (chave == QLatin1String("ParametrosEmpresa.PrimeiroInicio")) {
                ++g_aberturas.conferenciasDaEmpresa;
                g_aberturas.pais << pai;
                return;
            }
            g_aberturas.chaves << chave;
            g_aberturas.pais << pai;
            if (chave == QLatin1String("Venda"))
                g_aberturas.clienteNaVenda = ModuloDados->vCDCONTROLE_CLIENTE;
        });
}

const QStringList kTelasDosBotoes{"Clientes", "OrdemServico", "PedidoCompra", "Venda"};

QStringList configCom(const AmbienteTeste& amb, const QString& modulo, const QString& estilo = "Amakrits")
{
    QStringList linhas{"[CONEXAO]", "StrCon=" + amb.caminhoBase()};
    if (!modulo.isNull())
        linhas << "Modulo=" + modulo;
    linhas << "[APARENCIA]";
    if (!estilo.isNull())
        linhas << "Estilo=" + estilo;
    return linhas;
}

QImage imagem(const QIcon& icone)
{
    return icone.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
}
QImage imagem(const QString& arquivo)
{
    return imagem(QIcon(arquivo)); // pelo mesmo caminho da figura do botão
}

void entrar(QWidget* w)
{
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(w, &e);
}
void sair(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}
void ativar(QWidget* w)
{
    QEvent e(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w, &e);
}
} // namespace

class TestePrincipal : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        g_aberturas = TAberturas();
        gravarAberturas(kTelasDosBotoes + QStringList{"ParametrosEmpresa.PrimeiroInicio"});
    }

    void regraDoModulo_data()
    {
        QTest::addColumn<QString>("modulo");
        QTest::addColumn<bool>("botaoDaOS");
        QTest::newRow("SEM esconde") << "SEM_ORDEM_DE_SERVICO" << false;
        QTest::newRow("C0M com zero mostra") << "C0M_ORDEM_DE_SERVICO" << true;
        QTest::newRow("COM com a letra O") << "COM_ORDEM_DE_SERVICO" << true;
        QTest::newRow("sem a chave") << QString() << true;
        QTest::newRow("caixa diferente") << "sem_ordem_de_servico" << true;
    }
    void regraDoModulo()
    {
        QFETCH(QString, modulo);
        QFETCH(bool, botaoDaOS);
        AmbienteTeste amb;
        amb.escreverConfig(configCom(amb, modulo));
        QVERIFY(amb.criarModulo());
        Tfrm_Principal janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        auto* os = janela.findChild<QToolButton*>("IMG_ORDEM_DE_SERVICO");
        auto* pedido = janela.findChild<QToolButton*>("IMG_PEDIDO_DE_COMPRA");
        auto* legendaPedido = janela.findChild<QLabel*>("lbl_Pedido_de_Compra");
        QCOMPARE(os->isVisible(), botaoDaOS);
        // os outros botões fecham o espaço; legendas e teclas ficam onde estão
        QCOMPARE(pedido->x() < legendaPedido->x(), !botaoDaOS);
        QVERIFY(janela.findChild<QLabel*>("lbl_Ordem_de_Servico")->isVisible());
        QVERIFY(janela.findChild<QLabel*>("lbl_F3")->isVisible());
        QVERIFY(janela.findChild<QAction*>("OrdemdeServico1")->isVisible());

        // F3 abre a OS mesmo sem o botão
        QApplication::setActiveWindow(&janela);
        QVERIFY(QTest::qWaitForWindowActive(&janela));
        QTest::keyClick(&janela, Qt::Key_F3);
        QCOMPARE(g_aberturas.chaves, QStringList{"OrdemServico"});
    }

    void atalhosEBotoes_data()
    {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("chave");
        QTest::newRow("F2") << int(Qt::Key_F2) << "IMG_Clientes"
                            << "Clientes";
        QTest::newRow("F3") << int(Qt::Key_F3) << "IMG_ORDEM_DE_SERVICO"
                            << "OrdemServico";
        QTest::newRow("F4") << int(Qt::Key_F4) << "IMG_PEDIDO_DE_COMPRA"
                            << "PedidoCompra";
        QTest::newRow("F5") << int(Qt::Key_F5) << "IMG_VENDA"
                            << "Venda";
    }
    void atalhosEBotoes()
    {
        QFETCH(int, tecla);
        QFETCH(QString, botao);
        QFETCH(QString, chave);
        AmbienteTeste amb;
        amb.modulo()->vCDCONTROLE_CLIENTE = 77;
        Tfrm_Principal janela;
        janela.show();
        QApplication::setActiveWindow(&janela);
        QVERIFY(QTest::qWaitForWindowActive(&janela));
        QTest::keyClick(&janela, Qt::Key(tecla));
        amb.modulo()->vCDCONTROLE_CLIENTE = 78;
        QTest::mouseClick(janela.findChild<QToolButton*>(botao), Qt::LeftButton);
        QCOMPARE(g_aberturas.chaves, (QStringList{chave, chave}));
        QCOMPARE(g_aberturas.pais.last(), &janela);
        // antes da venda nenhum cliente vem escolhido
        QCOMPARE(g_aberturas.clienteNaVenda, chave == "Venda" ? 0 : -1);
        if (chave != "Venda")
            QCOMPARE(amb.modulo()->vCDCONTROLE_CLIENTE, 78);
    }

    void menus()
    {
        AmbienteTeste amb;
        Tfrm_Principal janela;
        janela.show();
        auto* config = janela.findChild<QMenu*>("Configuracoes1");
        QStringList entradas;
        for (QAction* a : config->actions())
            entradas << a->text() + (a->shortcut().isEmpty() ? QString() : " " + a->shortcut().toString());
        QCOMPARE(entradas, (QStringList{"Clientes F2", "Ordem de Serviço F3", "Pedido de Compra F4", "Venda F5",
                                        "Usuário", "Serviços", "Pedido de compra", "Fornecedores", "Produtos",
                                        "Configurar Impressoras", "Parâmetros da Empresa"}));
        auto* relatorios = janela.findChild<QMenu*>("Relatorios1");
        QCOMPARE(relatorios->actions().size(), 1);
        QCOMPARE(relatorios->actions().first()->text(), QStringLiteral("Fechamento do dia - Ordens de Serviço"));

        // "Pedido de compra" abre o mesmo que o botão; "Usuário" abre a lista de usuários
        janela.findChild<QAction*>("Pedidodecompra2")->trigger();
        QCOMPARE(g_aberturas.chaves, QStringList{"PedidoCompra"});
        QVERIFY(TelaDisponivel("Usuarios"));
        QVERIFY(janela.findChild<QAction*>("Usuario1")->isEnabled());

        // entrada de tela que ainda não está no catálogo fica desabilitada, e liga quando aparece
        QAction* semTela = nullptr;
        for (QAction* a : config->actions() + relatorios->actions())
            if (!TelaDisponivel(a->property("tela").toString()))
                semTela = a;
        if (!semTela)
            QSKIP("todas as telas do menu já estão no catálogo");
        QVERIFY(!semTela->isEnabled());
        semTela->trigger(); // desabilitada não abre
        QCOMPARE(g_aberturas.chaves, QStringList{"PedidoCompra"});
        const QString chave = semTela->property("tela").toString();
        gravarAberturas({chave});
        emit config->aboutToShow();
        QVERIFY(semTela->isEnabled());
    }

    void barraDeStatus()
    {
        AmbienteTeste amb;
        amb.modulo()->vp_usuario_conectado = "ADMIN";
        Tfrm_Principal janela;
        janela.move(200, 150);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        auto* p1 = janela.findChild<QLabel*>("BarraStatus_Painel1");
        auto* p2 = janela.findChild<QLabel*>("BarraStatus_Painel2");
        QCOMPARE(p1->text(), amb.caminhoBase());
        QCOMPARE(p2->text(), QStringLiteral("Usuário : ADMIN"));
        QCOMPARE(p1->width(), 350);
        QVERIFY(p2->width() >= 100);
        QCOMPARE(janela.pos(), QPoint(0, 0));
        QCOMPARE(janela.windowTitle(), QStringLiteral("Ordem de Serviço [OS]"));
        // os textos ficam os da hora em que a janela apareceu
        amb.modulo()->vp_usuario_conectado = "OUTRO";
        ativar(&janela);
        QCOMPARE(p2->text(), QStringLiteral("Usuário : ADMIN"));
    }

    void figurasDePassarOMouse_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("ativo");
        QTest::addColumn<QString>("inativo");
        QTest::addColumn<QStringList>("apagar");
        QTest::addColumn<QString>("aoEntrar"); // arquivo (ou ":..." da figura de desenho)
        QTest::addColumn<QString>("aoSair");
        const QString v = "botao_venda_ativo.png", vi = "botao_venda_inativo.png";
        const QString desenho = ":/botoes/botao_venda_inativo.png";
        QTest::newRow("as duas") << "IMG_VENDA" << v << vi << QStringList() << v << vi;
        QTest::newRow("só a ativa") << "IMG_VENDA" << v << vi << QStringList{vi} << v << v;
        QTest::newRow("nenhuma") << "IMG_VENDA" << v << vi << QStringList{v, vi} << desenho << desenho;
        QTest::newRow("só a inativa") << "IMG_VENDA" << v << vi << QStringList{v} << desenho << vi;
        QTest::newRow("clientes") << "IMG_Clientes"
                                  << "botao_cliente_ativo.png"
                                  << "botao_cliente_inativo.png" << QStringList() << "botao_cliente_ativo.png"
                                  << "botao_cliente_inativo.png";
        QTest::newRow("OS") << "IMG_ORDEM_DE_SERVICO"
                            << "botao_ordem_de_servico_ativo.png"
                            << "botao_ordem_de_servico_inativo.png" << QStringList()
                            << "botao_ordem_de_servico_ativo.png"
                            << "botao_ordem_de_servico_inativo.png";
        QTest::newRow("pedido") << "IMG_PEDIDO_DE_COMPRA"
                                << "botao_pedido_de_compra_ativo.png"
                                << "botao_pedido_de_compra_inativo.png" << QStringList()
                                << "botao_pedido_de_compra_ativo.png"
                                << "botao_pedido_de_compra_inativo.png";
    }
    void figurasDePassarOMouse()
    {
        QFETCH(QString, botao);
        QFETCH(QStringList, apagar);
        QFETCH(QString, aoEntrar);
        QFETCH(QString, aoSair);
        AmbienteTeste amb;
        for (const QString& arquivo : apagar)
            QVERIFY(QFile::remove(amb.pastaAplicacao() + arquivo));
        Tfrm_Principal janela;
        janela.show();
        auto* b = janela.findChild<QToolButton*>(botao);
        auto caminho = [&](const QString& a) { return a.startsWith(':') ? a : amb.pastaAplicacao() + a; };
        // a figura de desenho é a que aparece até a primeira passada do mouse
        QCOMPARE(imagem(b->icon()), imagem(":/botoes/" + b->property("figuraInativa").toString()));
        entrar(b);
        QCOMPARE(imagem(b->icon()), imagem(caminho(aoEntrar)));
        sair(b);
        QCOMPARE(imagem(b->icon()), imagem(caminho(aoSair)));
        QVERIFY(amb.dialogos().mostrados().isEmpty()); // arquivo que falta não é avisado
    }

    void dicasEmBalao_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("dica");
        QTest::newRow("clientes") << "IMG_Clientes"
                                  << "Cadastro de clientes";
        QTest::newRow("OS") << "IMG_ORDEM_DE_SERVICO"
                            << "Ordem de Serviço";
        QTest::newRow("pedido") << "IMG_PEDIDO_DE_COMPRA"
                                << "Pedidos de Compra";
        QTest::newRow("venda") << "IMG_VENDA"
                               << "Venda";
    }
    void dicasEmBalao()
    {
        QFETCH(QString, botao);
        QFETCH(QString, dica);
        AmbienteTeste amb;
        Tfrm_Principal janela;
        janela.show();
        auto* b = janela.findChild<QToolButton*>(botao);
        entrar(b);
        QHelpEvent pedido(QEvent::ToolTip, QPoint(10, 10), b->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::sendEvent(b, &pedido);
        QLabel* balao = BalaoDica();
        QVERIFY(balao);
        QVERIFY(balao->isVisible());
        QCOMPARE(balao->text(), dica);
        QCOMPARE(balao->font().pixelSize(), 19);
        QVERIFY(balao->width() <= 180);
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 600);
        sair(b);
        QVERIFY(!balao->isVisible());
    }

    // A empresa é conferida uma vez, depois de a janela aparecer.
    void empresaNoPrimeiroInicio()
    {
        AmbienteTeste amb;
        Tfrm_Principal janela;
        janela.show();
        QCOMPARE(g_aberturas.conferenciasDaEmpresa, 0);
        QTRY_COMPARE(g_aberturas.conferenciasDaEmpresa, 1);
        QCOMPARE(g_aberturas.pais.first(), &janela);
        janela.hide();
        janela.show();
        QTest::qWait(20);
        QCOMPARE(g_aberturas.conferenciasDaEmpresa, 1);
        QVERIFY(g_aberturas.chaves.isEmpty());
    }

    // Cada ativação reaplica o estilo guardado; o nome desconhecido é avisado uma vez só.
    void estiloNaAtivacao()
    {
        AmbienteTeste amb;
        amb.escreverConfig(configCom(amb, "C0M_ORDEM_DE_SERVICO", "Carbon"));
        Tfrm_Principal janela;
        janela.show();
        ativar(&janela);
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Carbon"));
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 TGerenciadorEstilos::Paleta("Carbon").color(QPalette::Window));

        amb.escreverConfig(configCom(amb, "C0M_ORDEM_DE_SERVICO", QString())); // sem a chave Estilo
        for (int vez = 0; vez < 3; ++vez)
            ativar(&janela);
        QCOMPARE(amb.dialogos().mensagens(), QStringList{"Style 'Erro ao ler o valor' not found"});
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Carbon"));
        QCOMPARE(amb.modulo()->vAparencia, QStringLiteral("Erro ao ler o valor"));

        amb.escreverConfig(configCom(amb, "C0M_ORDEM_DE_SERVICO", "Glow"));
        ativar(&janela);
        QCOMPARE(TGerenciadorEstilos::Ativo(), QStringLiteral("Glow"));
        QCOMPARE(amb.dialogos().mensagens().size(), 1);
    }
};

REGISTRAR_TESTE(TestePrincipal)
#include "tst_principal.moc"
