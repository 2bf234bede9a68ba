#include "serviceorders/u_CadOrdemdeServico.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QButtonGroup>
#include <QEvent>
#include <QHeaderView>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <tuple>

#include "core/u_CaixaPesquisa.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "serviceorders/u_RegrasOS.h"
#include "ui_u_CadOrdemdeServico.h"

namespace {

// Chaves das telas de outros lugares que esta abre (cada uma só habilitada quando registrada).
const QString kListaOS = QStringLiteral("ListaOrdensServico");
const QString kEscolherServico = QStringLiteral("Servicos.Escolher");
const QString kDesenharPIN = QStringLiteral("DesenharPIN");
const QString kCheckListPadrao = QStringLiteral("CheckListPadrao");
const QString kCheckListEntrada = QStringLiteral("CheckListEntradaOS");
const QString kNovaCheckList = QStringLiteral("GerarNovaCheckListOS");
const QString kImprimirOS = QStringLiteral("ImprimirOS");
const QString kImprimeRetorno = QStringLiteral("ImprimeRetornoOS");
const QString kNovoCliente = QStringLiteral("Clientes.Novo");
const QString kAtualizaCliente = QStringLiteral("AtualizaDadosCliente");

// Roda 'acao' quando a lista suspensa de uma caixa fecha (escolhendo ou não).
class TFechamentoDaLista : public QObject
{
public:
    TFechamentoDaLista(QObject* lista, std::function<void()> acao) : QObject(lista), m_acao(std::move(acao)) {}
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Hide)
            QTimer::singleShot(0, parent(), m_acao); // depois que a caixa terminou de tratar a escolha
        return false;
    }

private:
    std::function<void()> m_acao;
};

// A faixa da direita: uma figura alta com "ÚLTIMA OS" na vertical.
QIcon figuraUltimaOS()
{
    QPixmap figura(30, 220);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fundo(0, 0, 30, 0);
    fundo.setColorAt(0, QColor(0x1f, 0x4e, 0x9a));
    fundo.setColorAt(1, QColor(0x3d, 0x7c, 0xd6));
    p.setBrush(fundo);
    p.setPen(QColor(0x12, 0x2e, 0x5c));
    p.drawRoundedRect(QRectF(0.5, 0.5, 29, 219), 5, 5);
    p.translate(21, 200);
    p.rotate(-90);
    QFont fonte(QStringLiteral("Liberation Sans"), 11, QFont::Bold);
    p.setFont(fonte);
    p.setPen(Qt::white);
    p.drawText(0, 0, QStringLiteral("ÚLTIMA OS  ▶"));
    return QIcon(figura);
}

} // namespace

Tfrm_CadOrdemdeServico::Tfrm_CadOrdemdeServico(QWidget* pai)
    : QDialog(pai), ui(std::make_unique<Ui::Tfrm_CadOrdemdeServico>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_CadOrdemdeServico"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    criarMenu();

    // figuras da barra (o desenho não importa, só a função)
    QStyle* estilo = style();
    ui->btn_NovaOS->setIcon(estilo->standardIcon(QStyle::SP_FileIcon));
    ui->btn_AlterarOS->setIcon(estilo->standardIcon(QStyle::SP_FileDialogDetailedView));
    ui->btn_CancelarOS->setIcon(estilo->standardIcon(QStyle::SP_DialogCancelButton));
    ui->btn_ImprimirOS->setIcon(estilo->standardIcon(QStyle::SP_ComputerIcon));
    ui->btn_BuscarOS->setIcon(estilo->standardIcon(QStyle::SP_FileDialogContentsView));
    ui->btn_SalvarOS->setIcon(estilo->standardIcon(QStyle::SP_DialogSaveButton));
    ui->btn_GerenciarOS->setIcon(estilo->standardIcon(QStyle::SP_DirOpenIcon));
    ui->IMG_UltimaOS->setIcon(figuraUltimaOS());
    ui->IMG_UltimaOS->setIconSize(QSize(30, 220));

    // máscaras: datas dd/mm/aaaa e hora hh:mm; vazias são a máscara pura
    for (QLineEdit* data : {ui->edt_DataOS, ui->edt_RetirarAte, ui->edt_Finalizado, ui->edt_Retirado, ui->edt_Devolucao,
                            ui->edt_DataPagto, ui->edt_DataRetorno})
        DefinirMascara(data, QStringLiteral("00/00/0000"));
    DefinirMascara(ui->edt_HoraOS, QStringLiteral("00:00"));
    for (QLineEdit* campo :
         {ui->edt_Senha, ui->edt_IMEI, ui->edt_Observacao, ui->edt_Problema, ui->edt_Servico, ui->edt_MotivoRetorno})
        DefinirCaixa(campo, TCaixa::Maiusculas);
    DefinirCaixa(ui->cb_Marca, TCaixa::Maiusculas);
    DefinirCaixa(ui->cb_Modelo, TCaixa::Maiusculas);
    ui->cb_Marca->lineEdit()->setMaxLength(30);
    ui->cb_Modelo->lineEdit()->setMaxLength(30);
    ui->cb_Status->lineEdit()->setMaxLength(20);
    ui->cb_FormaPagamento->lineEdit()->setMaxLength(30);
    ui->cb_Status->setInsertPolicy(QComboBox::NoInsert);
    ui->cb_Marca->setInsertPolicy(QComboBox::NoInsert);
    ui->cb_Modelo->setInsertPolicy(QComboBox::NoInsert);
    ui->cb_FormaPagamento->setInsertPolicy(QComboBox::NoInsert);
    ui->cb_FormaPagamento->addItems(FormasDePagamento());
    ui->cb_FormaPagamento->setCurrentIndex(-1);
    ui->cb_FormaPagamento->setEditText(QString());

    auto* tipos = new QButtonGroup(this);
    tipos->addButton(ui->rb_Celular);
    tipos->addButton(ui->rb_Tablet);

    // faixa de entrada de serviços em cinza
    QPalette cinza = ui->pn_EntradaServico->palette();
    cinza.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    cinza.setColor(QPalette::WindowText, Qt::black);
    ui->pn_EntradaServico->setPalette(cinza);
    // o total em preto (ou vermelho) precisa de fundo claro em qualquer estilo
    for (QLabel* rotulo : {ui->lbl_ValorTotal, ui->lbl_ValorFaltante}) {
        QPalette claro = rotulo->palette();
        claro.setColor(QPalette::Window, QColor(0xf4, 0xf4, 0xf0));
        rotulo->setPalette(claro);
        rotulo->setAutoFillBackground(true);
        rotulo->setContentsMargins(6, 0, 6, 0);
    }
    ui->lbl_ValorFaltante->setStyleSheet(QStringLiteral("color: #a00000;"));
    // botões da barra não encolhem o texto quando os quadros da direita aparecem
    for (QToolButton* botao : ui->pn_BarraFerramentas->findChildren<QToolButton*>())
        botao->setMinimumWidth(botao->sizeHint().width());

    // escondidos até as regras os mostrarem
    for (QWidget* w : {static_cast<QWidget*>(ui->gb_ValorDevolvido), static_cast<QWidget*>(ui->gb_Retorno),
                       static_cast<QWidget*>(ui->cb_Funcionario), static_cast<QWidget*>(ui->gb_Pago),
                       static_cast<QWidget*>(ui->pn_Pagamento), static_cast<QWidget*>(ui->pn_MotivoRetorno),
                       static_cast<QWidget*>(ui->lbl_ValorFaltante)})
        w->hide();
    ui->lbl_ValorTotal->clear();
    estiloTotal(false);

    // cliente: a lista compartilhada de clientes, escolhida pelo nome
    ui->LCD_Cliente->vincular(ModuloDados->Qry_Clientes, QStringLiteral("NOME"));
    ui->LCD_Cliente->definirPesquisa(
        QStringLiteral("Clientes"),
        {{QStringLiteral("NOME"), QStringLiteral("Nome")}, {QStringLiteral("CELULAR"), QStringLiteral("Celular")}});
    ui->LCD_Cliente->definirAbertura([] { ModuloDados->AbreClientes(); });
    ui->LCD_Cliente->setMaiusculas(true);
    if (TelaDisponivel(kNovoCliente))
        ui->LCD_Cliente->definirBotaoExtra(QStringLiteral("Novo Cliente"), [this] { novoCliente(); });
    connect(ui->LCD_Cliente, &TCaixaPesquisa::escolheu, this, &Tfrm_CadOrdemdeServico::clienteEscolhido);

    // linhas de serviço
    TDataset* linhas = ModuloDados->Qry_Servicos_OS;
    linhas->vincular(ui->dbg_Servicos);
    auto ajustarColunas = [this, linhas] {
        const QStringList visiveis{QStringLiteral("DEFEITO"), QStringLiteral("SERVICO_EXECUTADO"),
                                   QStringLiteral("VALOR"), QStringLiteral("FUNCIONARIO"), QStringLiteral("NROS")};
        QHeaderView* cabecalho = ui->dbg_Servicos->horizontalHeader();
        for (int c = 0; c < linhas->columnCount(); ++c)
            ui->dbg_Servicos->setColumnHidden(c, !visiveis.contains(linhas->record().fieldName(c).toUpper()));
        for (int i = 0; i < visiveis.size(); ++i) {
            const int coluna = linhas->colunaDe(visiveis[i]);
            if (coluna >= 0)
                cabecalho->moveSection(cabecalho->visualIndex(coluna), i);
        }
        const int servico = linhas->colunaDe(QStringLiteral("SERVICO_EXECUTADO"));
        const int defeito = linhas->colunaDe(QStringLiteral("DEFEITO"));
        if (servico >= 0 && defeito >= 0) {
            ui->dbg_Servicos->setColumnWidth(defeito, 200);
            ui->dbg_Servicos->setColumnWidth(servico, 200);
        }
    };
    connect(linhas, &TDataset::abriu, this, ajustarColunas);
    ui->dbg_Servicos->verticalHeader()->hide();
    ui->dbg_Servicos->verticalHeader()->setDefaultSectionSize(ui->dbg_Servicos->fontMetrics().height() + 6);
    connect(ui->dbg_Servicos, &QAbstractItemView::doubleClicked, this, &Tfrm_CadOrdemdeServico::linhaDuploClique);
    pm_Servicos = new QMenu(this);
    pm_Servicos->setObjectName(QStringLiteral("pm_Servicos"));
    QAction* excluir = pm_Servicos->addAction(QStringLiteral("Excluir este serviço"));
    excluir->setObjectName(QStringLiteral("act_ExcluirServico"));
    connect(excluir, &QAction::triggered, this, &Tfrm_CadOrdemdeServico::ExcluirEsteServicoClick);
    connect(ui->dbg_Servicos, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& ponto) { pm_Servicos->popup(ui->dbg_Servicos->viewport()->mapToGlobal(ponto)); });

    pm_Telefone = new QMenu(this);
    pm_Telefone->setObjectName(QStringLiteral("pm_Telefone"));
    QAction* telefone = pm_Telefone->addAction(QStringLiteral("Quero atualizar o telefone do cliente"));
    telefone->setObjectName(QStringLiteral("act_AtualizarTelefone"));
    telefone->setEnabled(TelaDisponivel(kAtualizaCliente));
    connect(telefone, &QAction::triggered, this, &Tfrm_CadOrdemdeServico::AtualizarTelefoneClick);
    connect(ui->lbl_Telefone, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& ponto) { pm_Telefone->popup(ui->lbl_Telefone->mapToGlobal(ponto)); });

    // botões
    connect(ui->btn_NovaOS, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_NovaOSClick);
    connect(ui->btn_AlterarOS, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_AlterarOSClick);
    connect(ui->btn_CancelarOS, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_CancelarOSClick);
    connect(ui->btn_ImprimirOS, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_ImprimirOSClick);
    connect(ui->btn_BuscarOS, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_BuscarOSClick);
    connect(ui->btn_SalvarOS, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_SalvarOSClick);
    connect(ui->btn_GerenciarOS, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_GerenciarOSClick);
    connect(ui->IMG_UltimaOS, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::IMG_UltimaOSClick);
    connect(ui->btn_Ok, &QPushButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_OkClick);
    connect(ui->btn_Servicos, &QToolButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_ServicosClick);
    connect(ui->btn_DesenharPIN, &QPushButton::clicked, this, &Tfrm_CadOrdemdeServico::btn_DesenharPINClick);
    ui->btn_Servicos->setEnabled(TelaDisponivel(kEscolherServico));
    ui->btn_DesenharPIN->setEnabled(TelaDisponivel(kDesenharPIN));

    // reações
    connect(ui->cb_Status, &QComboBox::currentTextChanged, this, [this](const QString& texto) {
        if (!m_carregando)
            statusMudou(texto);
    });
    connect(ui->rb_Celular, &QRadioButton::clicked, this, [this] { tipoAparelhoEscolhido(QStringLiteral("Celular")); });
    connect(ui->rb_Tablet, &QRadioButton::clicked, this, [this] { tipoAparelhoEscolhido(QStringLiteral("Tablet")); });
    connect(ui->cb_Marca, qOverload<int>(&QComboBox::activated), this,
            [this](int linha) { marcaEscolhida(ui->cb_Marca->itemText(linha)); });
    connect(ui->cb_Pago, &QCheckBox::toggled, ui->pn_Pagamento, &QWidget::setVisible);
    connect(ui->cb_Retorno, &QCheckBox::toggled, this, &Tfrm_CadOrdemdeServico::retornoMarcado);
    connect(ui->cb_FormaPagamento, &QComboBox::currentTextChanged, this, [this] {
        if (!m_carregando)
            formaPagamentoMudou();
    });
    aoFecharLista(ui->cb_FormaPagamento, [this] { ui->edt_DataPagto->setFocus(); });
    AoSairDoCampo(ui->edt_DataPagto, [this] { saiuDaDataPagto(); });
    AoPressionarEnter(ui->edt_Senha, [this] { ui->edt_IMEI->setFocus(); });
    AoPressionarEnter(ui->edt_DataPagto, [this] { ui->edt_ValorPago->setFocus(); });

    // funcionário: duplo clique troca o rótulo por uma lista dos logins
    ui->lbl_Funcionario->setText(ModuloDados->vp_usuario_conectado);
    ui->lbl_Funcionario->installEventFilter(this);
    connect(ui->cb_Funcionario, &QComboBox::currentTextChanged, this, [this](const QString& texto) {
        if (!m_carregando && !texto.isEmpty())
            ui->lbl_Funcionario->setText(texto);
    });
    aoFecharLista(ui->cb_Funcionario, [this] { funcionarioEscolhido(); });

    // abertura
    ModuloDados->Qry_Servicos_OS->fechar();
    ModuloDados->AbreClientes();
    exigirTelas();
}

Tfrm_CadOrdemdeServico::~Tfrm_CadOrdemdeServico() = default;

void Tfrm_CadOrdemdeServico::criarMenu()
{
    auto* barra = new QMenuBar(this);
    barra->setObjectName(QStringLiteral("MainMenu1"));
    layout()->setMenuBar(barra);
    QMenu* menu = barra->addMenu(QStringLiteral("Ordem de Serviço"));
    menu->setObjectName(QStringLiteral("mn_OrdemServico"));
    auto entrada = [this, menu](const char* nome, const QString& texto, const QKeySequence& tecla,
                                std::function<void()> acaoDoMenu) {
        QAction* acao = menu->addAction(texto);
        acao->setObjectName(QString::fromLatin1(nome));
        acao->setShortcut(tecla);
        acao->setShortcutContext(Qt::WindowShortcut);
        connect(acao, &QAction::triggered, this, std::move(acaoDoMenu));
        return acao;
    };
    act_Imprimir = entrada("act_Imprimir", QStringLiteral("Imprimir"), QKeySequence(Qt::CTRL | Qt::Key_P),
                           [this] { btn_ImprimirOSClick(); });
    act_ListaOS = entrada("act_ListaOS", QStringLiteral("Lista de Ordens de Serviço"),
                          QKeySequence(Qt::CTRL | Qt::Key_O), [this] { btn_GerenciarOSClick(); });
    act_BuscarOrdem = entrada("act_BuscarOrdem", QStringLiteral("Buscar Ordem pelo numero"), QKeySequence(Qt::Key_F3),
                              [this] { BuscarOrdemPeloNumero(); });
    menu->addSeparator();
    act_CheckListPadrao = entrada("act_CheckListPadrao", QStringLiteral("Check List padrão"), QKeySequence(Qt::Key_F5),
                                  [this] { AbrirTela(kCheckListPadrao, this); });
    act_GerarCheckList = entrada("act_GerarCheckList", QStringLiteral("Gerar Checklist para a OS"),
                                 QKeySequence(Qt::Key_F6), [this] { GerarCheckListClick(); });
    act_NovaCheckList = entrada("act_NovaCheckList", QStringLiteral("Gerar nova Checklist para a OS"),
                                QKeySequence(Qt::Key_F7), [this] { GerarNovaCheckListClick(); });
    act_Imprimir->setEnabled(false);
    act_CheckListPadrao->setEnabled(TelaDisponivel(kCheckListPadrao));
    act_GerarCheckList->setEnabled(TelaDisponivel(kCheckListEntrada));
    act_NovaCheckList->setEnabled(TelaDisponivel(kNovaCheckList));
}

void Tfrm_CadOrdemdeServico::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

// Entradas que abrem telas de outros lugares só ficam habilitadas com a tela registrada.
void Tfrm_CadOrdemdeServico::exigirTelas()
{
    ui->btn_GerenciarOS->setEnabled(ui->btn_GerenciarOS->isEnabled() && TelaDisponivel(kListaOS));
    act_ListaOS->setEnabled(TelaDisponivel(kListaOS));
    ui->btn_ImprimirOS->setEnabled(ui->btn_ImprimirOS->isEnabled() && TelaDisponivel(kImprimirOS));
    act_Imprimir->setEnabled(m_imprimirLiberado && TelaDisponivel(kImprimirOS));
}

//--------------------------------------------------------------------------------------------------
// Estados
//--------------------------------------------------------------------------------------------------

bool Tfrm_CadOrdemdeServico::camposPreenchidos() const
{
    return !ui->edt_NROS->text().isEmpty() && !ui->LCD_Cliente->texto().isEmpty() && !tipoAparelho().isEmpty() &&
           !ui->cb_Marca->currentText().isEmpty();
}

void Tfrm_CadOrdemdeServico::estadoNavegacao()
{
    ui->pn_Principal->setEnabled(false);
    ui->pn_BarraFerramentas->show();
    ui->gb_Retorno->hide();
    ui->btn_NovaOS->setEnabled(true);
    ui->btn_BuscarOS->setEnabled(true);
    ui->btn_GerenciarOS->setEnabled(true);
    ui->btn_CancelarOS->setEnabled(false);
    const bool preenchidos = camposPreenchidos();
    ui->btn_AlterarOS->setEnabled(preenchidos);
    ui->btn_ImprimirOS->setEnabled(preenchidos);
    ui->btn_SalvarOS->setEnabled(preenchidos && m_modo == 1);
    ui->pn_Cabecalho->setEnabled(false);
    ui->pn_EntradaServico->setEnabled(false);
    ui->pn_Pagamento->hide();
    ui->pn_MotivoRetorno->hide();
    ui->gb_Pago->hide();
    m_imprimirLiberado = true;
    exigirTelas();
}

void Tfrm_CadOrdemdeServico::estadoEdicao()
{
    ui->pn_Principal->setEnabled(true);
    ui->pn_Cabecalho->setEnabled(true);
    ui->pn_EntradaServico->setEnabled(true);
    ui->btn_CancelarOS->setEnabled(true);
    ui->btn_SalvarOS->setEnabled(true);
    ui->btn_NovaOS->setEnabled(false);
    ui->btn_BuscarOS->setEnabled(false);
    ui->btn_AlterarOS->setEnabled(false);
    ui->btn_GerenciarOS->setEnabled(false);
    ui->btn_ImprimirOS->setEnabled(false);
}

void Tfrm_CadOrdemdeServico::limparCampos()
{
    m_carregando = true;
    ui->lbl_Telefone->clear();
    ModuloDados->Qry_Servicos_OS->fechar();
    ui->rb_Celular->group()->setExclusive(false);
    ui->rb_Celular->setChecked(false);
    ui->rb_Tablet->setChecked(false);
    ui->rb_Celular->group()->setExclusive(true);
    ui->edt_NROS->clear();
    ui->edt_DataOS->clear();
    ui->edt_HoraOS->clear();
    ui->LCD_Cliente->limpar();
    m_cliente = 0;
    ui->gb_Cliente->setTitle(QStringLiteral("Cliente"));
    ui->cb_Status->clear();
    ui->cb_Marca->clear();
    ui->cb_Modelo->clear();
    ui->edt_IMEI->clear();
    ui->edt_Senha->clear();
    ui->edt_Observacao->clear();
    ui->lbl_ValorTotal->clear();
    estiloTotal(false);
    mostrarFigura(QImage());
    ui->gb_ValorDevolvido->hide();
    ui->lbl_ValorFaltante->hide();
    ui->edt_RetirarAte->clear();
    for (QCheckBox* estado : ui->gb_EstadoEquipamento->findChildren<QCheckBox*>())
        estado->setChecked(false);
    ui->cb_FormaPagamento->setCurrentIndex(-1);
    ui->cb_FormaPagamento->setEditText(QString());
    ui->edt_DataPagto->clear();
    ui->edt_ValorPago->setText(QStringLiteral("0"));
    // o que ficou de uma OS mostrada antes não pode aparecer numa OS nova
    ui->edt_Finalizado->clear();
    ui->edt_Retirado->clear();
    ui->edt_Devolucao->clear();
    ui->edt_ValorDevolvido->setText(QStringLiteral("0"));
    ui->cb_Retorno->setChecked(false);
    ui->edt_DataRetorno->clear();
    ui->edt_MotivoRetorno->clear();
    ui->cb_Pago->setChecked(false);
    ui->edt_Problema->clear();
    ui->edt_Servico->clear();
    ui->edt_Valor->clear();
    m_linhaEditada = 0;
    m_carregando = false;
}

void Tfrm_CadOrdemdeServico::montarListaStatus()
{
    m_carregando = true;
    ui->cb_Status->clear();
    ui->cb_Status->addItems(StatusDaOS());
    ui->cb_Status->setCurrentIndex(0);
    m_carregando = false;
}

//--------------------------------------------------------------------------------------------------
// Barra de ferramentas
//--------------------------------------------------------------------------------------------------

void Tfrm_CadOrdemdeServico::btn_NovaOSClick()
{
    m_modo = 1;
    m_modoServico = 1;
    limparCampos();
    ModuloDados->AbreClientes();
    estadoEdicao();
    ui->edt_NROS->setText(QString::number(ModuloDados->NumeroNovaOS()));
    ui->edt_DataOS->setText(TextoDeData(Hoje()));
    ui->edt_HoraOS->setText(Agora().toString(QStringLiteral("hh:mm")));
    montarListaStatus();
    ui->LCD_Cliente->setFocus();
}

void Tfrm_CadOrdemdeServico::btn_AlterarOSClick()
{
    m_modo = 2;
    estadoEdicao();
}

void Tfrm_CadOrdemdeServico::btn_CancelarOSClick()
{
    // nada escolhido: "Salvar OS" não fica habilitado sobre campos vazios
    m_modo = 0;
    estadoNavegacao();
    limparCampos();
}

void Tfrm_CadOrdemdeServico::btn_BuscarOSClick()
{
    QString texto = QStringLiteral("0");
    Dialogos().entrada(QStringLiteral("Digite o Número da Ordem"), QStringLiteral("ORDEM DE SERVIÇO"), texto);
    int numero = 0;
    if (lerNumeroDigitado(texto, numero))
        CarregarOS(numero);
}

void Tfrm_CadOrdemdeServico::BuscarOrdemPeloNumero()
{
    QString texto = QStringLiteral("0");
    Dialogos().entrada(QStringLiteral("Digite o Número da ordem"), QStringLiteral("Nro"), texto);
    int numero = 0;
    if (lerNumeroDigitado(texto, numero) && numero > 0)
        CarregarOS(numero);
}

bool Tfrm_CadOrdemdeServico::lerNumeroDigitado(const QString& texto, int& numero)
{
    bool ok = false;
    numero = texto.trimmed().toInt(&ok);
    if (!ok)
        Dialogos().mensagem(
            QStringLiteral("Atenção\n\"%1\" não é um número de Ordem de Serviço. Digite só o número.").arg(texto));
    return ok;
}

void Tfrm_CadOrdemdeServico::btn_GerenciarOSClick()
{
    if (!AbrirTela(kListaOS, this))
        return;
    if (ModuloDados->vNROS > 0)
        CarregarOS(ModuloDados->vNROS);
}

void Tfrm_CadOrdemdeServico::IMG_UltimaOSClick()
{
    CarregarOS(ModuloDados->UltimaOrdemdeServico());
}

void Tfrm_CadOrdemdeServico::btn_ImprimirOSClick()
{
    if (ui->edt_NROS->text().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Você deve informar uma Ordem de Serviço antes"));
        return;
    }
    ModuloDados->vNROS = numeroOS();
    AbrirTela(kImprimirOS, this);
}

void Tfrm_CadOrdemdeServico::GerarCheckListClick()
{
    if (ui->edt_NROS->text().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Informe a Ordem de Serviço! - Clique no botão \"Buscar OS\" "));
        return;
    }
    ModuloDados->vNROS = numeroOS();
    AbrirTela(kCheckListEntrada, this);
}

void Tfrm_CadOrdemdeServico::GerarNovaCheckListClick()
{
    if (ui->edt_NROS->text().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Informe a Ordem de Serviço! - Clique no botão \"Buscar OS\" "));
        return;
    }
    ModuloDados->vNROS = numeroOS();
    AbrirTela(kNovaCheckList, this);
}

int Tfrm_CadOrdemdeServico::numeroOS() const
{
    return ui->edt_NROS->text().toInt();
}

//--------------------------------------------------------------------------------------------------
// Carregar
//--------------------------------------------------------------------------------------------------

bool Tfrm_CadOrdemdeServico::CarregarOS(int nros)
{
    mostrarFigura(QImage::fromData(ModuloDados->SimboloAcessoDaOS(nros)));
    const TOrdemServico os = ModuloDados->FOrdemServico(nros);
    if (os.fNROS == 0) {
        Dialogos().mensagem(QStringLiteral("Este número de Ordem de serviço não existe"));
        return false;
    }
    m_modo = 2;
    m_carregando = true;
    ui->edt_NROS->setText(QString::number(os.fNROS));
    ui->edt_DataOS->setText(os.fDATAOS);
    ui->edt_HoraOS->setText(os.fHORA);
    const TCliente cliente = ModuloDados->FCliente(os.fCDCLIENTE);
    ui->LCD_Cliente->setTexto(cliente.var_NOME);
    ModuloDados->vCDCONTROLE_CLIENTE = os.fCDCLIENTE;
    m_cliente = os.fCDCLIENTE;
    ui->gb_Cliente->setTitle(QStringLiteral(" ( código : %1)").arg(os.fCDCLIENTE));
    ui->lbl_Telefone->setText(cliente.var_CELULAR);
    ui->lbl_Funcionario->setText(os.fFUNCIONARIO);
    m_carregando = false;
    montarListaStatus();
    m_carregando = true;
    ui->cb_Status->setEditText(os.fSTATUS);
    ui->edt_RetirarAte->setText(os.fDATA_PRAZO_RETIRAR);
    if (os.fTPAPARELHO == QLatin1String("C") || os.fTPAPARELHO == QLatin1String("T")) {
        const bool celular = os.fTPAPARELHO == QLatin1String("C");
        (celular ? ui->rb_Celular : ui->rb_Tablet)->setChecked(true);
        tipoAparelhoEscolhido(celular ? QStringLiteral("Celular") : QStringLiteral("Tablet"));
        if (celular)
            marcaEscolhida(os.fMARCA);
    }
    ui->cb_Marca->setEditText(os.fMARCA);
    ui->cb_Modelo->setEditText(os.fMODELO);
    ui->edt_IMEI->setText(os.fIMEI);
    ui->edt_Senha->setText(os.fSENHA); // a alteração grava o que está no campo: a senha precisa vir junto
    ui->edt_Observacao->setText(os.fOBSERVACAO);
    const QStringList flags{os.fSEM_CHIP,         os.fNAO_LIGA,       os.fCARREGADOR,     os.fSEM_TAMPA_BATERIA,
                            os.fCARTAO_MEMORIA,   os.fLENTE_RISCADA,  os.fLENTE_TRINCADA, os.fDISPLAY_TRINCADO,
                            os.fCARCACA_TRINCADA, os.fCARCACA_RISCADA};
    const QList<QCheckBox*> caixas{ui->cb_SemChip,         ui->cb_NaoLiga,         ui->cb_Carregador,
                                   ui->cb_SemTampaBateria, ui->cb_CartaoMemoria,   ui->cb_LenteRiscada,
                                   ui->cb_LenteTrincada,   ui->cb_DisplayTrincado, ui->cb_CarcacaTrincada,
                                   ui->cb_CarcacaRiscada};
    for (int i = 0; i < caixas.size(); ++i)
        caixas[i]->setChecked(flags[i] == QLatin1String("S"));
    ui->edt_Finalizado->setText(os.fDATA_FINALIZADO);
    ui->edt_Retirado->setText(os.fDATA_RETIRADA);
    ui->edt_Devolucao->setText(os.fDATA_DEVOLUCAO);
    ui->edt_Problema->clear();
    ui->edt_Servico->clear();
    ui->edt_Valor->clear();
    m_carregando = false;

    mostrarTotal(os.fVALOR_TOTAL, false);
    ModuloDados->AbreServicosOS(nros);
    ui->pn_EntradaServico->setEnabled(true);
    m_modoServico = 1;
    m_linhaEditada = 0;
    m_imprimirLiberado = true;
    mostrarFaltante(nros, os.fVALOR_TOTAL);
    estadoNavegacao();
    regrasAoCarregar(os);
    return true;
}

void Tfrm_CadOrdemdeServico::regrasAoCarregar(const TOrdemServico& os)
{
    m_carregando = true;
    ui->cb_Pago->setChecked(false);
    ui->edt_ValorPago->setText(QStringLiteral("0"));
    ui->cb_FormaPagamento->setCurrentIndex(-1);
    ui->cb_FormaPagamento->setEditText(QString());
    ui->edt_DataPagto->clear();

    const TStatusOS status = ClassificarStatus(os.fSTATUS);
    mostrarTotal(os.fVALOR_TOTAL, status == TStatusOS::SemReparo);
    if (status == TStatusOS::SemReparo) {
        ui->edt_ValorDevolvido->setText(ValorSimples(os.fVALOR_TOTAL, 2));
        ui->gb_ValorDevolvido->show();
    } else {
        ui->edt_ValorDevolvido->setText(QStringLiteral("0"));
        ui->gb_ValorDevolvido->hide();
    }
    if (status == TStatusOS::Retirado)
        ui->gb_Pago->show();

    ui->edt_DataRetorno->setText(os.fDATA_RETORNO);
    ui->edt_MotivoRetorno->setText(os.fMOTIVO_RETORNO);
    bool mostrar = true;
    bool marcar = false;
    if (!os.fDATA_RETORNO.isEmpty())
        marcar = true;
    else if (status == TStatusOS::Retirado)
        marcar = true;
    else if (os.fSTATUS == QLatin1String("Aberta"))
        mostrar = false;
    else
        marcar = os.fRETORNO == QLatin1String("S");
    ui->gb_Retorno->setVisible(mostrar);
    ui->cb_Retorno->setChecked(marcar);
    retornoMarcado(marcar); // habilita a data e mostra o motivo, sem trocar a data gravada
    m_carregando = false;
}

void Tfrm_CadOrdemdeServico::mostrarTotal(double total, bool semReparo)
{
    ui->lbl_ValorTotal->setText(FormatarValor(total));
    estiloTotal(semReparo);
}

// Negrito sempre; riscado e vermelho quando a OS foi devolvida sem reparo.
void Tfrm_CadOrdemdeServico::estiloTotal(bool semReparo)
{
    QFont fonte = ui->lbl_ValorTotal->font();
    fonte.setBold(true);
    fonte.setStrikeOut(semReparo);
    ui->lbl_ValorTotal->setFont(fonte);
    QPalette cores = ui->lbl_ValorTotal->palette();
    cores.setColor(QPalette::WindowText, semReparo ? QColor(Qt::red) : QColor(Qt::black));
    ui->lbl_ValorTotal->setPalette(cores);
}

void Tfrm_CadOrdemdeServico::mostrarFaltante(int nros, double total)
{
    const double pago = ModuloDados->ValorJaPago(nros);
    if (EmCentavos(total) > EmCentavos(pago)) {
        ui->lbl_ValorFaltante->setText(FormatarValor((EmCentavos(total) - EmCentavos(pago)) / 100.0));
        ui->lbl_ValorFaltante->show();
    } else {
        ui->lbl_ValorFaltante->hide();
    }
}

// Linhas mudadas numa OS já gravada: o total da base mudou junto.
void Tfrm_CadOrdemdeServico::atualizarTotalDaBase()
{
    if (m_modo != 2)
        return;
    const TOrdemServico os = ModuloDados->FOrdemServico(numeroOS());
    if (os.fNROS == 0)
        return;
    ui->lbl_ValorTotal->setText(FormatarValor(os.fVALOR_TOTAL));
    mostrarFaltante(os.fNROS, os.fVALOR_TOTAL);
}

void Tfrm_CadOrdemdeServico::mostrarFigura(const QImage& figura)
{
    m_figuraPIN = figura;
    if (figura.isNull())
        ui->img_PIN->clear();
    else
        ui->img_PIN->setPixmap(QPixmap::fromImage(figura));
}

QByteArray Tfrm_CadOrdemdeServico::figuraEmBmp() const
{
    QByteArray bytes;
    if (m_figuraPIN.isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m_figuraPIN.save(&buffer, "BMP");
    return bytes;
}

//--------------------------------------------------------------------------------------------------
// Salvar
//--------------------------------------------------------------------------------------------------

QString Tfrm_CadOrdemdeServico::tipoAparelho() const
{
    if (ui->rb_Celular->isChecked())
        return QStringLiteral("C");
    if (ui->rb_Tablet->isChecked())
        return QStringLiteral("T");
    return QString();
}

QStringList Tfrm_CadOrdemdeServico::flagsDoEstado() const
{
    QStringList flags;
    for (QCheckBox* caixa : {ui->cb_SemChip, ui->cb_NaoLiga, ui->cb_Carregador, ui->cb_SemTampaBateria,
                             ui->cb_CartaoMemoria, ui->cb_LenteRiscada, ui->cb_LenteTrincada, ui->cb_DisplayTrincado,
                             ui->cb_CarcacaTrincada, ui->cb_CarcacaRiscada})
        flags << (caixa->isChecked() ? QStringLiteral("S") : QStringLiteral("N"));
    return flags;
}

// Texto que a base não guardaria (fora do WIN1252, maior que a coluna): avisa e não grava.
bool Tfrm_CadOrdemdeServico::conferirTextos()
{
    return TextosAceitos({
        {ui->cb_Status->currentText(), 20, QStringLiteral("STATUS da OS")},
        {ui->cb_Marca->currentText(), 30, QStringLiteral("Marca")},
        {ui->cb_Modelo->currentText(), 30, QStringLiteral("Modelo")},
        {ui->edt_IMEI->text(), 30, QStringLiteral("IMEI")},
        {ui->edt_Senha->text(), 10, QStringLiteral("Senha do aparelho")},
        {ui->edt_Observacao->text(), 100, QStringLiteral("Observações da OS")},
        {ui->edt_MotivoRetorno->text(), 50, QStringLiteral("Motivo do retorno")},
        {ui->cb_FormaPagamento->currentText(), 30, QStringLiteral("Forma de Pagamento")},
        {ui->lbl_Funcionario->text(), 30, QStringLiteral("Funcionário")}});
}

void Tfrm_CadOrdemdeServico::btn_SalvarOSClick()
{
    const int nros = numeroOS();
    if (TelaDisponivel(kCheckListEntrada) && !ModuloDados->ExisteCheckListparaOS(nros))
        Dialogos().mensagem(QStringLiteral("Providencie o CHECK LIST de entrada para essa Ordem de Serviço"));
    const QByteArray figura = figuraEmBmp();
    if (m_modo == 1)
        salvarNova(figura);
    else if (m_modo == 2)
        salvarAlteracao(figura);
}

bool Tfrm_CadOrdemdeServico::salvarNova(const QByteArray& figura)
{
    auto recusar = [](const QString& texto, QWidget* foco = nullptr) {
        Dialogos().mensagem(texto);
        if (foco)
            foco->setFocus();
        return false;
    };
    if (SemDigitos(TextoComMascara(ui->edt_DataOS)))
        return recusar(QStringLiteral("Voce deve informar uma data para Ordem de Serviço"), ui->edt_DataOS);
    // só o cliente escolhido na caixa: nunca o primeiro da lista por acaso
    if (m_cliente <= 0 || ui->LCD_Cliente->texto().isEmpty() ||
        ModuloDados->FCliente(m_cliente).var_NOME != ui->LCD_Cliente->texto())
        return recusar(QStringLiteral("Voce deve informar o Cliente da Ordem de Serviço"), ui->LCD_Cliente);
    if (tipoAparelho().isEmpty())
        return recusar(QStringLiteral("Voce deve informar o Tipo de Aparelho para Ordem de Serviço"));
    if (ui->cb_Status->currentText().isEmpty())
        return recusar(QStringLiteral("Voce deve informa o Status de Abertura da Ordem de Serviço"));
    if (ui->cb_Marca->currentText().isEmpty())
        return recusar(QStringLiteral("Voce deve pelo menos uma Marca do aparelho na Ordem de Serviço"));
    if (ui->cb_Modelo->currentText().isEmpty())
        return recusar(QStringLiteral("Voce deve pelo menos um Modelo do aparelho na Ordem de Serviço"));
    if (ui->edt_IMEI->text().isEmpty())
        Dialogos().mensagem(QStringLiteral("ATENÇÃO você não registrou o IMEI"));
    if (!conferirTextos())
        return false;
    const int nros = numeroOS();
    if (!ModuloDados->ExisteServiconaOS(nros))
        return recusar(QStringLiteral("Você não incluiu nenhum serviço para a Ordem de Serviço!"));

    const QString vp_TPAPARELHO = tipoAparelho();
    const QStringList f = flagsDoEstado();
    try {
        ModuloDados->GravarOS(nros, m_cliente, TextoComMascara(ui->edt_DataOS), ui->cb_Status->currentText(),
                              vp_TPAPARELHO, ui->cb_Marca->currentText(), ui->cb_Modelo->currentText(),
                              ui->edt_IMEI->text(), ui->edt_Observacao->text(), f[0], f[1], f[2], f[3], f[4], f[5],
                              f[6], f[7], f[8], f[9], 0, QStringLiteral("N"), TextoComMascara(ui->edt_DataRetorno),
                              TextoComMascara(ui->edt_Finalizado), TextoComMascara(ui->edt_Retirado),
                              TextoComMascara(ui->edt_Devolucao), ui->lbl_Funcionario->text(), ui->edt_Senha->text(),
                              figura);
    } catch (const std::exception& erro) {
        // nada se perde: a tela continua em edição com tudo o que foi digitado e as linhas gravadas
        Dialogos().mensagem(QStringLiteral("ERRO : ") + QString::fromUtf8(erro.what()));
        return false;
    }
    estadoNavegacao();
    Dialogos().mensagem(QStringLiteral("Ordem de Serviço #%1 Gerada com sucesso").arg(nros));
    CarregarOS(nros);
    m_imprimirLiberado = true;
    exigirTelas();
    return true;
}

bool Tfrm_CadOrdemdeServico::salvarAlteracao(const QByteArray& figura)
{
    VPRETORNO = ui->cb_Retorno->isChecked() ? QStringLiteral("S") : QString();
    if (ui->edt_ValorPago->text().trimmed().isEmpty())
        ui->edt_ValorPago->setText(QStringLiteral("0"));
    if (FaltamDadosDoRecebimento(ui->cb_Status->currentText(), ui->cb_Retorno->isChecked(), ui->cb_Pago->isChecked(),
                                 ui->cb_FormaPagamento->currentText(), TextoComMascara(ui->edt_DataPagto),
                                 ui->edt_ValorPago->text())) {
        Dialogos().mensagem(QStringLiteral("Necessário informar os dados do recebimento!"));
        return false;
    }
    if (ui->edt_ValorDevolvido->text().trimmed().isEmpty())
        ui->edt_ValorDevolvido->setText(QStringLiteral("0"));
    if (!ui->cb_Pago->isChecked()) {
        m_carregando = true;
        ui->edt_ValorPago->setText(QStringLiteral("0"));
        ui->cb_FormaPagamento->setCurrentIndex(-1);
        ui->cb_FormaPagamento->setEditText(QString());
        ui->edt_DataPagto->clear();
        m_carregando = false;
    }
    if (!conferirTextos())
        return false;

    const int nros = numeroOS();
    const QStringList f = flagsDoEstado();
    // data de retorno só com o retorno marcado: senão a OS voltaria marcada como retorno ao carregar
    const QString dataRetorno = ui->cb_Retorno->isChecked() ? TextoComMascara(ui->edt_DataRetorno) : kDataVazia;
    try {
        const double valorPago = ValorDeTexto(ui->edt_ValorPago->text());
        const double valorDevolvido = ValorDeTexto(ui->edt_ValorDevolvido->text());
        ModuloDados->AlterarOS(ui->edt_NROS->text(), ui->cb_Status->currentText(), tipoAparelho(),
                               ui->cb_Marca->currentText(), ui->cb_Modelo->currentText(), ui->edt_IMEI->text(),
                               ui->edt_Observacao->text(), f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9],
                               0, VPRETORNO, dataRetorno, TextoComMascara(ui->edt_Finalizado),
                               TextoComMascara(ui->edt_Retirado), TextoComMascara(ui->edt_Devolucao),
                               TextoComMascara(ui->edt_DataPagto), valorDevolvido, ui->edt_MotivoRetorno->text(),
                               ui->cb_FormaPagamento->currentText(), valorPago, ui->edt_Senha->text(), figura);
    } catch (const ERegraOS& recusa) {
        Dialogos().mensagem(QStringLiteral("Atenção\n") + QString::fromUtf8(recusa.what()));
        ui->edt_ValorPago->setFocus();
        return false;
    } catch (const std::exception& erro) {
        Dialogos().mensagem(QStringLiteral("ERRO : ") + QString::fromUtf8(erro.what()));
        return false;
    }
    Dialogos().mensagem(QStringLiteral("Ordem de Serviço #%1 ALTERADA com sucesso").arg(nros));
    CarregarOS(nros);
    if (VPRETORNO == QLatin1String("S") && TelaDisponivel(kImprimeRetorno)) {
        ModuloDados->vNROS = nros;
        AbrirTela(kImprimeRetorno, this);
    }
    return true;
}

//--------------------------------------------------------------------------------------------------
// Reações da tela
//--------------------------------------------------------------------------------------------------

void Tfrm_CadOrdemdeServico::statusMudou(const QString& status)
{
    const QString hoje = TextoDeData(Hoje());
    switch (ClassificarStatus(status)) {
    case TStatusOS::Finalizada:
        estiloTotal(false);
        ui->edt_Finalizado->setText(hoje);
        ui->edt_Finalizado->setFocus();
        ui->gb_ValorDevolvido->hide();
        ui->gb_Pago->hide();
        break;
    case TStatusOS::Retirado:
        ui->edt_Retirado->setText(hoje);
        ui->gb_Pago->show();
        if (!ui->edt_NROS->text().isEmpty())
            ui->edt_ValorPago->setText(ValorSimples(ModuloDados->FOrdemServico(numeroOS()).fVALOR_TOTAL));
        ui->edt_DataPagto->setText(hoje);
        estiloTotal(false);
        ui->gb_ValorDevolvido->hide();
        break;
    case TStatusOS::SemReparo:
        estiloTotal(true);
        ui->edt_Devolucao->setText(hoje);
        ui->edt_ValorDevolvido->setText(ValorSimples(ModuloDados->FOrdemServico(numeroOS()).fVALOR_TOTAL));
        ui->gb_ValorDevolvido->show();
        ui->gb_Pago->hide();
        break;
    case TStatusOS::Outro:
        ui->gb_ValorDevolvido->hide();
        estiloTotal(false);
        ui->gb_Pago->hide();
        break;
    }
}

void Tfrm_CadOrdemdeServico::tipoAparelhoEscolhido(const QString& tipo)
{
    ModuloDados->AbrirMarcas(tipo);
    TDataset* marcas = ModuloDados->Qry_Marcas;
    QStringList nomes;
    for (int i = 0; i < marcas->registros(); ++i)
        nomes << marcas->valor(i, QStringLiteral("NOMEMARCA")).toString();
    marcas->fechar();
    ui->cb_Marca->clear();
    ui->cb_Marca->addItems(nomes);
    ui->cb_Marca->setCurrentIndex(-1);
    ui->cb_Marca->setEditText(QString());
}

void Tfrm_CadOrdemdeServico::marcaEscolhida(const QString& marca)
{
    // só celular tem a lista de modelos refeita pela marca
    if (!ui->rb_Celular->isChecked())
        return;
    const QStringList modelos = ModuloDados->AbrirModelos(QStringLiteral("Celular"), marca);
    ui->cb_Modelo->clear();
    ui->cb_Modelo->addItems(modelos);
    ui->cb_Modelo->setCurrentIndex(-1);
    ui->cb_Modelo->setEditText(QString());
}

void Tfrm_CadOrdemdeServico::clienteEscolhido()
{
    m_cliente = ModuloDados->vCDCONTROLE_CLIENTE;
    ui->gb_Cliente->setTitle(QStringLiteral(" ( código : %1)").arg(m_cliente));
    ui->lbl_Telefone->setText(ModuloDados->FCliente(m_cliente).var_CELULAR);
}

void Tfrm_CadOrdemdeServico::novoCliente()
{
    ModuloDados->vCDCONTROLE_CLIENTE = 0;
    AbrirTela(kNovoCliente, this);
    const int novo = ModuloDados->vCDCONTROLE_CLIENTE;
    ModuloDados->AbreClientes();
    // a lista reaberta vai para o primeiro: volta ao cliente recém-cadastrado
    if (novo > 0)
        ModuloDados->Qry_Clientes->localizar(QStringLiteral("CDCONTROLE"), novo);
}

void Tfrm_CadOrdemdeServico::AtualizarTelefoneClick()
{
    if (m_cliente <= 0)
        return;
    ModuloDados->vCDCONTROLE_CLIENTE = m_cliente;
    AbrirTela(kAtualizaCliente, this);
    ui->lbl_Telefone->setText(ModuloDados->FCliente(m_cliente).var_CELULAR);
}

void Tfrm_CadOrdemdeServico::retornoMarcado(bool marcado)
{
    ui->edt_DataRetorno->setEnabled(marcado);
    ui->pn_MotivoRetorno->setVisible(marcado);
    if (marcado && !m_carregando) {
        ui->edt_DataRetorno->setText(TextoDeData(Hoje()));
        ui->edt_DataRetorno->setFocus();
    }
}

void Tfrm_CadOrdemdeServico::formaPagamentoMudou()
{
    ui->edt_DataPagto->setText(TextoDeData(Hoje()));
}

void Tfrm_CadOrdemdeServico::saiuDaDataPagto()
{
    const QString texto = TextoComMascara(ui->edt_DataPagto);
    if (SemDigitos(texto) || DataValida(texto))
        return;
    Dialogos().mensagem(QStringLiteral("A data informada está inválida!"));
    QTimer::singleShot(0, ui->edt_DataPagto, [this] { ui->edt_DataPagto->setFocus(); });
}

bool Tfrm_CadOrdemdeServico::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ui->lbl_Funcionario && evento->type() == QEvent::MouseButtonDblClick) {
        funcionarioDuploClique();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_CadOrdemdeServico::funcionarioDuploClique()
{
    ModuloDados->AbrirUsuarios();
    TDataset* usuarios = ModuloDados->Qry_Usuarios;
    QStringList logins;
    for (int i = 0; i < usuarios->registros(); ++i)
        logins << usuarios->valor(i, QStringLiteral("CDLOGIN")).toString();
    usuarios->fechar();
    m_carregando = true;
    ui->cb_Funcionario->clear();
    ui->cb_Funcionario->addItems(logins);
    ui->cb_Funcionario->setCurrentIndex(logins.indexOf(ui->lbl_Funcionario->text()));
    m_carregando = false;
    ui->lbl_Funcionario->hide();
    ui->cb_Funcionario->show();
    ui->cb_Funcionario->setFocus();
    ui->cb_Funcionario->showPopup();
}

void Tfrm_CadOrdemdeServico::funcionarioEscolhido()
{
    ui->cb_Funcionario->hide();
    ui->lbl_Funcionario->show();
}

void Tfrm_CadOrdemdeServico::aoFecharLista(QComboBox* lista, std::function<void()> acao)
{
    QWidget* popup = lista->view()->parentWidget();
    popup->installEventFilter(new TFechamentoDaLista(lista, std::move(acao)));
}

//--------------------------------------------------------------------------------------------------
// Linhas de serviço
//--------------------------------------------------------------------------------------------------

void Tfrm_CadOrdemdeServico::btn_OkClick()
{
    const int nros = numeroOS();
    if (nros <= 0)
        return;
    double valor = 0;
    auto lerValor = [this, &valor] {
        if (LerValor(ui->edt_Valor->text(), valor))
            return true;
        Dialogos().mensagem(
            QStringLiteral("Atenção\nO valor \"%1\" não é um número válido.").arg(ui->edt_Valor->text()));
        ui->edt_Valor->setFocus();
        return false;
    };
    if (m_modoServico == 1 || m_modo == 1) {
        if (ui->edt_Problema->text().isEmpty() || ui->edt_Servico->text().isEmpty() ||
            ui->edt_Valor->text().isEmpty()) {
            Dialogos().mensagem(
                QStringLiteral("Você deve registrar o Defeito, Serviço realizado e valor para registrar !"));
            return;
        }
        if (!lerValor())
            return;
        if (!TextosAceitos({{ui->edt_Problema->text(), 80, QStringLiteral("Problema encontrado")},
                            {ui->edt_Servico->text(), 80, QStringLiteral("Serviço realizado")}}))
            return;
        ModuloDados->GravarServicodaOS(ui->edt_Problema->text(), ui->edt_Servico->text(), valor,
                                       ModuloDados->vp_usuario_conectado, nros);
        ModuloDados->AbreServicosOS(nros);
        ui->edt_Problema->clear();
        ui->edt_Servico->clear();
        ui->edt_Valor->clear();
    } else if (m_modoServico == 2 || m_modo == 2) {
        if (!lerValor())
            return;
        ModuloDados->AlterarServico(m_linhaEditada, valor);
        ui->edt_Problema->clear();
        ui->edt_Servico->clear();
        ui->edt_Valor->clear();
        ModuloDados->AbreServicosOS(nros);
        m_modoServico = 1;
        m_linhaEditada = 0;
    }
    atualizarTotalDaBase();
    ui->edt_Problema->setFocus();
}

void Tfrm_CadOrdemdeServico::linhaDuploClique()
{
    TDataset* linhas = ModuloDados->Qry_Servicos_OS;
    if (linhas->linhaAtual() < 0)
        return;
    m_modoServico = 2;
    m_linhaEditada = linhas->campo(QStringLiteral("CDCONTROLE")).toInt();
    ui->edt_Problema->setText(linhas->campo(QStringLiteral("DEFEITO")).toString());
    ui->edt_Servico->setText(linhas->campo(QStringLiteral("SERVICO_EXECUTADO")).toString());
    ui->edt_Valor->setText(ValorSimples(linhas->campo(QStringLiteral("VALOR")).toDouble()));
    ui->edt_Valor->setFocus();
}

void Tfrm_CadOrdemdeServico::ExcluirEsteServicoClick()
{
    TDataset* linhas = ModuloDados->Qry_Servicos_OS;
    if (linhas->linhaAtual() < 0)
        return;
    const int linha = linhas->campo(QStringLiteral("CDCONTROLE")).toInt();
    ModuloDados->ExcluiServicos_Da_OS(linha);
    ModuloDados->AbreServicosOS(numeroOS());
    if (linha == m_linhaEditada) {
        m_modoServico = 1;
        m_linhaEditada = 0;
    }
    atualizarTotalDaBase();
}

void Tfrm_CadOrdemdeServico::btn_ServicosClick()
{
    // a escolha de uma abertura anterior não vale para esta
    ModuloDados->vServicoSelecionado.clear();
    ModuloDados->vValorServicoSelecionado.clear();
    if (!AbrirTela(kEscolherServico, this))
        return;
    if (ModuloDados->vServicoSelecionado.isEmpty())
        return;
    ui->edt_Servico->setText(ModuloDados->vServicoSelecionado);
    ui->edt_Valor->setText(ModuloDados->vValorServicoSelecionado);
}

void Tfrm_CadOrdemdeServico::btn_DesenharPINClick()
{
    ModuloDados->vNROS = numeroOS();
    ModuloDados->vImagemPIN = figuraEmBmp();
    if (!AbrirTela(kDesenharPIN, this))
        return;
    mostrarFigura(QImage::fromData(ModuloDados->vImagemPIN));
}

//--------------------------------------------------------------------------------------------------
// Fechar
//--------------------------------------------------------------------------------------------------

void Tfrm_CadOrdemdeServico::reject()
{
    if (ui->btn_SalvarOS->isEnabled())
        btn_CancelarOSClick();
    try {
        ModuloDados->LimpaServicosSEMOS();
    } catch (const std::exception& erro) {
        Dialogos().mensagem(QStringLiteral("ERRO : ") + QString::fromUtf8(erro.what()));
    }
    ModuloDados->Qry_Clientes->fechar();
    QDialog::reject();
}

// A janela aberta pela janela principal (F3 e a figura da ordem de serviço).
static TRegistroTela g_telaOrdemServico("OrdemServico", [](QWidget* pai) {
    Tfrm_CadOrdemdeServico frm_CadOrdemdeServico(pai);
    Dialogos().executarModal(&frm_CadOrdemdeServico);
});
