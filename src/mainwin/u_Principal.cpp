#include "mainwin/u_Principal.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>

#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "mainwin/u_DicaBalao.h"
#include "ui_u_Principal.h"

Tfrm_Principal* frm_Principal = nullptr;

namespace {
const QString kPropriedadeTela = QStringLiteral("tela");
// O primeiro início pede os dados da empresa quando EMPRESA ainda está vazia (tela da empresa).
const QString kPrimeiroInicioEmpresa = QStringLiteral("ParametrosEmpresa.PrimeiroInicio");
} // namespace

Tfrm_Principal::Tfrm_Principal(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::Tfrm_Principal>())
{
    ui->setupUi(this);
    frm_Principal = this;
    InstalarDicasBalao();
    setWindowIcon(QIcon(QStringLiteral(":/icones/osvendas.png")));

    auto* painelConexao = new QLabel(ui->BarraStatus);
    painelConexao->setObjectName(QStringLiteral("BarraStatus_Painel1"));
    painelConexao->setFixedWidth(350);
    auto* painelUsuario = new QLabel(ui->BarraStatus);
    painelUsuario->setObjectName(QStringLiteral("BarraStatus_Painel2"));
    painelUsuario->setMinimumWidth(100);
    ui->BarraStatus->addWidget(painelConexao);
    ui->BarraStatus->addWidget(painelUsuario, 1);

    m_acoes = {ui->Clientes1,
               ui->OrdemdeServico1,
               ui->PedidodeCompra1,
               ui->Venda1,
               ui->Usuario1,
               ui->Servicos1,
               ui->Pedidodecompra2,
               ui->Fornecedores1,
               ui->Produtos1,
               ui->ConfigurarImpressoras1,
               ui->ParametrosdaEmpresa1,
               ui->FechamentododiaOrdensdeServico1};
    // os atalhos F2 a F5 valem em toda a janela
    for (QAction* acao : std::as_const(m_acoes)) {
        addAction(acao);
        acao->setShortcutContext(Qt::WindowShortcut);
        connect(acao, &QAction::triggered, this, [this, acao] { AbrirTelaDaChave(acao->property("tela").toString()); });
    }
    m_botoes = {ui->IMG_Clientes, ui->IMG_ORDEM_DE_SERVICO, ui->IMG_PEDIDO_DE_COMPRA, ui->IMG_VENDA};
    for (QToolButton* botao : std::as_const(m_botoes)) {
        botao->installEventFilter(this);
        connect(botao, &QToolButton::clicked, this,
                [this, botao] { AbrirTelaDaChave(botao->property("tela").toString()); });
    }
    // telas registradas depois (ou não) aparecem certas sempre que o menu abre
    connect(ui->Configuracoes1, &QMenu::aboutToShow, this, &Tfrm_Principal::AtualizarDisponiveis);
    connect(ui->Relatorios1, &QMenu::aboutToShow, this, &Tfrm_Principal::AtualizarDisponiveis);

    FormCreate();
    AtualizarDisponiveis();
}

Tfrm_Principal::~Tfrm_Principal()
{
    if (frm_Principal == this)
        frm_Principal = nullptr;
}

void Tfrm_Principal::FormCreate()
{
    const QString modulo = ModuloDados ? ModuloDados->vp_Modulo : QString();
    if (modulo == QLatin1String("SEM_ORDEM_DE_SERVICO"))
        ui->IMG_ORDEM_DE_SERVICO->setVisible(false);
    else if (modulo == QLatin1String("C0M_ORDEM_DE_SERVICO"))
        ui->IMG_ORDEM_DE_SERVICO->setVisible(true);
}

void Tfrm_Principal::AtualizarDisponiveis()
{
    for (QAction* acao : std::as_const(m_acoes))
        acao->setEnabled(TelaDisponivel(acao->property("tela").toString()));
    for (QToolButton* botao : std::as_const(m_botoes))
        botao->setEnabled(TelaDisponivel(botao->property("tela").toString()));
}

void Tfrm_Principal::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    if (!evento->spontaneous())
        FormShow();
}

void Tfrm_Principal::FormShow()
{
    auto* painelConexao = ui->BarraStatus->findChild<QLabel*>(QStringLiteral("BarraStatus_Painel1"));
    auto* painelUsuario = ui->BarraStatus->findChild<QLabel*>(QStringLiteral("BarraStatus_Painel2"));
    painelConexao->setText(ModuloDados->vp_conexao_estabelecida);
    painelUsuario->setText(QStringLiteral("Usuário : ") + ModuloDados->vp_usuario_conectado);
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    move(tela ? tela->availableGeometry().topLeft() : QPoint(0, 0));
    AtualizarDisponiveis();
    if (!m_empresaConferida) {
        m_empresaConferida = true;
        // depois de a janela aparecer: a mensagem e o cadastro da empresa ficam por cima dela
        QMetaObject::invokeMethod(this, &Tfrm_Principal::ConferirEmpresa, Qt::QueuedConnection);
    }
}

void Tfrm_Principal::ConferirEmpresa()
{
    if (TelaDisponivel(kPrimeiroInicioEmpresa))
        AbrirTela(kPrimeiroInicioEmpresa, this);
}

bool Tfrm_Principal::event(QEvent* evento)
{
    // a cada vez que volta a ser a janela ativa, inclusive quando uma tela modal fecha
    if (evento->type() == QEvent::WindowActivate && ModuloDados)
        ModuloDados->Setaraparencia();
    return QMainWindow::event(evento);
}

void Tfrm_Principal::AbrirTelaDaChave(const QString& chave)
{
    if (!TelaDisponivel(chave))
        return;
    if (chave == QLatin1String("Venda"))
        ModuloDados->vCDCONTROLE_CLIENTE = 0; // venda sem cliente escolhido antes
    AbrirTela(chave, this);
}

bool Tfrm_Principal::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* botao = qobject_cast<QToolButton*>(objeto);
    if (botao && m_botoes.contains(botao)) {
        switch (evento->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
        case QEvent::HoverMove:
            CarregarFigura(botao, botao->property("figuraAtiva").toString());
            break;
        case QEvent::Leave:
            CarregarFigura(botao, botao->property("figuraInativa").toString());
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void Tfrm_Principal::CarregarFigura(QToolButton* botao, const QString& arquivo)
{
    const QString caminho = PastaAplicacao() + arquivo;
    if (botao->property("figura").toString() == caminho)
        return; // já é essa (o ponteiro se movendo não relê o arquivo)
    if (!QFileInfo::exists(caminho))
        return; // arquivo que falta não é avisado: fica a figura que estava
    QPixmap figura;
    if (!figura.load(caminho))
        return;
    botao->setIcon(QIcon(figura));
    botao->setProperty("figura", caminho);
}
