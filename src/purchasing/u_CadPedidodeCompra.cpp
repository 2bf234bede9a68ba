#include "purchasing/u_CadPedidodeCompra.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <tuple>

#include "core/u_CaixaPesquisa.h"
#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "purchasing/u_Lista_Pedido_Compras.h"
#include "purchasing/u_MaterialPedido.h"
#include "ui_u_CadPedidodeCompra.h"

namespace {

const QString kImpressao = QStringLiteral("ImprimePedidoCompra");

const TRegistroTela registroPedidoCompra("PedidoCompra", [](QWidget* pai) {
    Tfrm_CadPedidodeCompra janela(pai);
    janela.setTag(1);
    Dialogos().executarModal(&janela);
});

} // namespace

Tfrm_CadPedidodeCompra::Tfrm_CadPedidodeCompra(QWidget* pai)
    : QDialog(pai), ui(std::make_unique<Ui::Tfrm_CadPedidodeCompra>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_CadPedidodeCompra"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* pedido = m_menu->addMenu(QStringLiteral("Pedido"));
    pedido->setObjectName(QStringLiteral("Pedido1"));
    const auto novaAcao = [this, pedido](const char* nome, const QString& texto, const QKeySequence& atalho) {
        QAction* acao = pedido->addAction(texto);
        acao->setObjectName(QString::fromLatin1(nome));
        acao->setShortcut(atalho);
        acao->setShortcutContext(Qt::WindowShortcut);
        addAction(acao); // atalho vale na janela toda
        return acao;
    };
    QAction* salvar = novaAcao("Salvar1", QStringLiteral("Salvar"), QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* imprimir = novaAcao("Imprimir1", QStringLiteral("Imprimir"), QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* buscar = novaAcao("Buscar1", QStringLiteral("Buscar"), QKeySequence(Qt::CTRL | Qt::Key_F));
    QAction* excluir = novaAcao("Excluir1", QStringLiteral("Excluir "), QKeySequence(Qt::CTRL | Qt::Key_E));
    layout()->setMenuBar(m_menu);
    // a impressão vem de outra parte do programa: sem ela, os botões de imprimir ficam desligados
    const bool podeImprimir = TelaDisponivel(kImpressao);
    imprimir->setEnabled(podeImprimir);
    ui->btn_Imprimir->setEnabled(podeImprimir);

    connect(salvar, &QAction::triggered, this, &Tfrm_CadPedidodeCompra::btn_SalvarClick);
    connect(imprimir, &QAction::triggered, this, &Tfrm_CadPedidodeCompra::Imprimir1Click);
    connect(buscar, &QAction::triggered, this, &Tfrm_CadPedidodeCompra::btn_BuscarClick);
    connect(excluir, &QAction::triggered, this, &Tfrm_CadPedidodeCompra::btn_ExcluirClick);
    connect(ui->btn_Salvar, &QPushButton::clicked, this, &Tfrm_CadPedidodeCompra::btn_SalvarClick);
    connect(ui->IMG_Salvar, &QToolButton::clicked, this, &Tfrm_CadPedidodeCompra::btn_SalvarClick);
    connect(ui->btn_Imprimir, &QPushButton::clicked, this, &Tfrm_CadPedidodeCompra::btn_ImprimirClick);
    connect(ui->btn_Buscar, &QPushButton::clicked, this, &Tfrm_CadPedidodeCompra::btn_BuscarClick);
    connect(ui->btn_Excluir, &QPushButton::clicked, this, &Tfrm_CadPedidodeCompra::btn_ExcluirClick);

    ui->IMG_Salvar->setIcon(QIcon(QStringLiteral(":/icones/salvar.png")));
    DefinirMascara(ui->edt_DtAberturaOS, QStringLiteral("99/99/9999"));
    DefinirCaixa(ui->CB_Marcas, TCaixa::Maiusculas);
    ui->CB_Marcas->lineEdit()->setMaxLength(30);
    DefinirCaixa(ui->edt_Modelo, TCaixa::Maiusculas);
    DefinirCaixa(ui->edt_Material, TCaixa::Maiusculas);
    ui->CB_Status->lineEdit()->setMaxLength(20);

    ui->LCD_Cliente->vincular(ModuloDados->Qry_Clientes, QStringLiteral("NOME"));
    ui->LCD_Cliente->definirPesquisa(QStringLiteral("Buscar cliente"), {{QStringLiteral("NOME"), QStringLiteral("Nome")}});
    ui->LCD_Cliente->definirAbertura([] { ModuloDados->AbreClientes(); });
    ui->LCD_Cliente->setMaiusculas(true);
    connect(ui->LCD_Cliente, &TCaixaPesquisa::escolheu, this, [this] {
        m_cdCliente = ModuloDados->Qry_Clientes->campo(QStringLiteral("CDCONTROLE")).toInt();
        m_nomeCliente = ModuloDados->Qry_Clientes->campo(QStringLiteral("NOME")).toString();
    });

    AoPressionarEnter(ui->edt_Material, [this] { edt_MaterialEnter(); });

    mostrarNumero(0);
    PreencherStatus();
    ModuloDados->AbreClientes();
    PreencherMarcas();
}

Tfrm_CadPedidodeCompra::~Tfrm_CadPedidodeCompra() = default;

void Tfrm_CadPedidodeCompra::done(int resultado)
{
    ModuloDados->Qry_Clientes->fechar();
    QDialog::done(resultado);
}

void Tfrm_CadPedidodeCompra::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    ui->edt_DtAberturaOS->setText(TextoDeData(Hoje()));
    if (QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

void Tfrm_CadPedidodeCompra::PreencherMarcas()
{
    ui->CB_Marcas->clear();
    ModuloDados->AbrirMarcas(QStringLiteral("Celular"));
    TDataset* marcas = ModuloDados->Qry_Marcas;
    for (int linha = 0; linha < marcas->registros(); ++linha)
        ui->CB_Marcas->addItem(marcas->valor(linha, QStringLiteral("NOMEMARCA")).toString().trimmed());
    marcas->fechar();
    ui->CB_Marcas->setCurrentIndex(-1);
    ui->CB_Marcas->setEditText(QString());
}

void Tfrm_CadPedidodeCompra::PreencherStatus()
{
    ui->CB_Status->clear();
    ui->CB_Status->addItems({QStringLiteral("Aberto"), QStringLiteral("Em andamento"), QStringLiteral("concluido")});
    ui->CB_Status->setCurrentIndex(0);
}

void Tfrm_CadPedidodeCompra::mostrarNumero(int numero)
{
    ui->lbl_NumerodoPedido->setText(QString::number(numero));
    ui->gb_NumeroPedido->setVisible(numero != 0);
}

QStringList Tfrm_CadPedidodeCompra::linhasDoMaterial() const
{
    QStringList linhas;
    for (int i = 0; i < ui->lst_PEDIDO->count(); ++i)
        linhas << ui->lst_PEDIDO->item(i)->text();
    return linhas;
}

void Tfrm_CadPedidodeCompra::edt_MaterialEnter()
{
    const QString texto = ui->edt_Material->text();
    if (!texto.isEmpty()) {
        ui->lst_PEDIDO->addItem(texto + QLatin1Char('#'));
        ui->edt_Material->clear();
    }
    ui->edt_Material->setFocus(); // a regra do Enter do programa pode ter levado o foco adiante
}

bool Tfrm_CadPedidodeCompra::textosAceitos(const QString& material)
{
    // texto que a base recusaria (tamanho da coluna, caracteres fora do WIN1252): avisa antes
    return TextosAceitos({{ui->CB_Marcas->currentText(), 30, QStringLiteral("Marca"), ui->CB_Marcas},
                          {ui->edt_Modelo->text(), 30, QStringLiteral("Modelo"), ui->edt_Modelo},
                          {ui->CB_Status->currentText(), 20, QStringLiteral("STATUS do Pedido"), ui->CB_Status},
                          {material, 300, QStringLiteral("Material solicitado"), ui->edt_Material}},
                         QStringLiteral("Atenção\n"));
}

void Tfrm_CadPedidodeCompra::btn_SalvarClick()
{
    const QString material = TextoDoMaterial(linhasDoMaterial());
    if (m_tag == 2) {
        if (!textosAceitos(material))
            return;
        ModuloDados->AlterarPedidoCompra(ui->lbl_NumerodoPedido->text().toInt(), ui->CB_Marcas->currentText(),
                                         ui->edt_Modelo->text(), material, ui->CB_Status->currentText());
        Dialogos().mensagem(QStringLiteral("Pedido de Compra salvo!"));
        mostrarNumero(0);
        LimparTela();
        m_tag = 1;
        return;
    }

    const QString nome = ui->LCD_Cliente->texto().trimmed();
    // só vale o cliente escolhido na caixa: texto que não é de um cliente não grava para outro
    if (nome.isEmpty() || m_cdCliente == 0 || nome != m_nomeCliente) {
        Dialogos().mensagem(QStringLiteral("Necessário informar para qual cliente você está fazendo o pedido"));
        ui->LCD_Cliente->setFocus();
        return;
    }
    if (ui->lst_PEDIDO->count() == 0) {
        Dialogos().mensagem(QStringLiteral("Você não especificou o que irá solicitar!"));
        return;
    }
    if (!textosAceitos(material))
        return;
    ModuloDados->GravarPedidodeCompra(m_cdCliente, TextoComMascara(ui->edt_DtAberturaOS), ui->CB_Marcas->currentText(),
                                      ui->edt_Modelo->text(), material, QStringLiteral("N"),
                                      ui->CB_Status->currentText());
    Dialogos().mensagem(QStringLiteral("Pedido de Compra salvo!"));
    LimparTela();
    if (TelaDisponivel(kImpressao))
        Imprimir(ModuloDados->UltimoPedidoCompra());
}

void Tfrm_CadPedidodeCompra::Imprimir(int numero)
{
    // a impressão lê o número de vCDCONTROLE_PEDIDO_DE_COMPRA; depois volta o escolhido na lista
    const int escolhido = ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA;
    ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA = numero;
    try {
        AbrirTela(kImpressao, this);
    } catch (...) {
        ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA = escolhido;
        throw;
    }
    ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA = escolhido;
}

void Tfrm_CadPedidodeCompra::btn_ImprimirClick()
{
    if (ui->lbl_NumerodoPedido->text() == QLatin1String("0")) {
        Dialogos().mensagem(QStringLiteral("Você deve buscar um pedido para depois imprimir!"));
        return;
    }
    Imprimir(ui->lbl_NumerodoPedido->text().toInt());
}

void Tfrm_CadPedidodeCompra::Imprimir1Click()
{
    if (!TelaDisponivel(kImpressao))
        return;
    QString resposta = QStringLiteral("0");
    if (!Dialogos().entrada(QStringLiteral("Número do pedido"), QStringLiteral("Numero"), resposta))
        return; // cancelado: não imprime o pedido 0, que não existe
    bool ok = false;
    const int numero = resposta.trimmed().toInt(&ok);
    if (!ok) {
        Dialogos().mensagem(QStringLiteral("'%1' não é um número de pedido válido").arg(resposta));
        return;
    }
    Imprimir(numero);
}

void Tfrm_CadPedidodeCompra::btn_BuscarClick()
{
    bool escolheu = false;
    {
        Tfrm_Lista_Pedido_Compra lista(this);
        escolheu = Dialogos().executarModal(&lista) == QDialog::Accepted;
    }
    // a lista fechou a lista de clientes que a caixa do pedido também usa: reabre na escolha daqui
    ModuloDados->AbreClientes();
    if (m_cdCliente != 0)
        ModuloDados->Qry_Clientes->localizar(QStringLiteral("CDCONTROLE"), m_cdCliente);
    // fechada sem escolha, o pedido na tela fica como estava
    if (escolheu)
        CarregarPedido(ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA);
}

void Tfrm_CadPedidodeCompra::CarregarPedido(int numero)
{
    const TPedidoCompra p = ModuloDados->FPedidoCompra(numero);
    if (p.var_CDCONTROLE == 0) {
        // não achado (excluído noutra estação, cliente que não existe mais): alterar apagaria os dados
        Dialogos().mensagem(QStringLiteral("Atenção\nPedido de Compra não encontrado!"));
        return;
    }
    ui->edt_DtAberturaOS->setText(TextoDeData(p.var_DATA_PEDIDO));
    ui->LCD_Cliente->setTexto(p.var_NOMECLIENTE);
    m_cdCliente = p.var_CDCLIENTE;
    m_nomeCliente = p.var_NOMECLIENTE;
    PreencherMarcas();
    ui->CB_Marcas->setEditText(p.var_MARCA);
    ui->edt_Modelo->setText(p.var_MODELO);
    ui->lst_PEDIDO->clear();
    ui->lst_PEDIDO->addItems(LinhasDoMaterial(p.var_MATERIALPEDIDO));
    PreencherStatus();
    ui->CB_Status->setEditText(p.var_STATUS);
    m_tag = 2;
    mostrarNumero(numero);
}

void Tfrm_CadPedidodeCompra::btn_ExcluirClick()
{
    if (!Dialogos().pergunta(QStringLiteral("Confirma excluir este pedido?"), QStringLiteral("ATENÇÃO"), false))
        return;
    if (ui->lbl_NumerodoPedido->text() == QLatin1String("0") || ui->gb_NumeroPedido->isHidden()) {
        Dialogos().mensagem(QStringLiteral("Pesquise o pedido para excluir"));
        return;
    }
    ModuloDados->ExcluirPedidodeCompra(ui->lbl_NumerodoPedido->text().toInt());
    Dialogos().mensagem(QStringLiteral("Pedido de Compra excluido!"));
    mostrarNumero(0);
    LimparTela();
    m_tag = 1;
}

void Tfrm_CadPedidodeCompra::LimparTela()
{
    ui->edt_DtAberturaOS->clear();
    ui->edt_DtAberturaOS->setText(TextoDeData(Hoje()));
    ui->LCD_Cliente->limpar();
    m_cdCliente = 0;
    m_nomeCliente.clear();
    ui->lst_PEDIDO->clear();
    ui->edt_Modelo->clear();
    PreencherMarcas();
    PreencherStatus();
}
