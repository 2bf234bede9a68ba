#include "purchasing/u_Lista_Pedido_Compras.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "core/u_CaixaPesquisa.h"
#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Valores.h"
#include "ui_u_Lista_Pedido_Compras.h"

namespace {

const QStringList kSemPedidos{QStringLiteral("SELECT * FROM V_PEDIDO_DE_COMPRA WHERE 1=2")};

// O material gravado tem CR LF entre as linhas: na grade fica numa linha só
class TDelegadoMaterial : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& valor, const QLocale& local) const override
    {
        QString texto = QStyledItemDelegate::displayText(valor, local);
        texto.replace(QLatin1String("\r\n"), QLatin1String(" "));
        texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return texto.trimmed();
    }
};

bool ehEnter(const QKeyEvent* tecla)
{
    return tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
}

} // namespace

Tfrm_Lista_Pedido_Compra::Tfrm_Lista_Pedido_Compra(QWidget* pai)
    : QDialog(pai), ui(std::make_unique<Ui::Tfrm_Lista_Pedido_Compra>()),
      m_pedidos(std::make_unique<TDataset>(QStringLiteral("Qry_Pedidos_de_Compra")))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_Lista_Pedido_Compra"));

    DefinirMascara(ui->edt_DataInicial, QStringLiteral("99/99/9999"));
    DefinirMascara(ui->edt_DataFinal, QStringLiteral("99/99/9999"));

    ui->LCD_Cliente->vincular(ModuloDados->Qry_Clientes, QStringLiteral("NOME"));
    ui->LCD_Cliente->definirPesquisa(QStringLiteral("Buscar cliente"), {{QStringLiteral("NOME"), QStringLiteral("Nome")}});
    ui->LCD_Cliente->definirAbertura([] { ModuloDados->AbreClientes(); });
    ui->LCD_Cliente->setMaiusculas(true);
    connect(ui->LCD_Cliente, &TCaixaPesquisa::escolheu, this, [this] {
        m_cdCliente = ModuloDados->Qry_Clientes->campo(QStringLiteral("CDCONTROLE")).toInt();
        m_nomeCliente = ModuloDados->Qry_Clientes->campo(QStringLiteral("NOME")).toString();
    });

    m_pedidos->setSQL(kSemPedidos);
    const QVector<QPair<QString, QString>> titulos{{QStringLiteral("CDCONTROLE"), QStringLiteral("Controle")},
                                                   {QStringLiteral("DATA_PEDIDO"), QStringLiteral("Data do pedido")},
                                                   {QStringLiteral("MARCA"), QStringLiteral("Marca")},
                                                   {QStringLiteral("MODELO"), QStringLiteral("Modelo")},
                                                   {QStringLiteral("MATERIAL_PEDIDO"), QStringLiteral("Material solicitado")},
                                                   {QStringLiteral("NOME"), QStringLiteral("Nome")},
                                                   {QStringLiteral("PEDIDOCOMPRADO"), QStringLiteral("Comprado")},
                                                   {QStringLiteral("STATUS"), QStringLiteral("STATUS")},
                                                   {QStringLiteral("CDCLIENTE"), QStringLiteral("Cód. do cliente")}};
    for (const auto& t : titulos)
        m_pedidos->definirTitulo(t.first, t.second);
    m_pedidos->vincular(ui->dbg_PedidosCompra);
    ui->dbg_PedidosCompra->verticalHeader()->hide();
    ui->dbg_PedidosCompra->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui->dbg_PedidosCompra->setItemDelegate(new TDelegadoMaterial(ui->dbg_PedidosCompra));
    connect(m_pedidos.get(), &QAbstractItemModel::modelReset, this, &Tfrm_Lista_Pedido_Compra::ajustarColunas);
    // a grade fica vazia até a primeira listagem, mas já com as colunas
    m_pedidos->abrir();

    AoPressionarEnter(ui->LCD_Cliente->editor(), [this] { ui->edt_DataInicial->setFocus(Qt::TabFocusReason); });
    AoPressionarEnter(ui->edt_DataInicial, [this] { ui->edt_DataFinal->setFocus(Qt::TabFocusReason); });
    AoPressionarEnter(ui->edt_DataFinal, [this] { edt_DataFinalEnter(); });
    ui->edt_DataFinal->installEventFilter(this);
    ui->dbg_PedidosCompra->installEventFilter(this);
    connect(ui->dbg_PedidosCompra, &QAbstractItemView::doubleClicked, this, &Tfrm_Lista_Pedido_Compra::Escolher);

    ModuloDados->AbreClientes();
}

Tfrm_Lista_Pedido_Compra::~Tfrm_Lista_Pedido_Compra() = default;

void Tfrm_Lista_Pedido_Compra::done(int resultado)
{
    m_pedidos->fechar();
    ModuloDados->Qry_Clientes->fechar();
    QDialog::done(resultado);
}

void Tfrm_Lista_Pedido_Compra::keyPressEvent(QKeyEvent* evento)
{
    // Esc não fecha: sai-se pelo botão de fechar ou escolhendo um pedido
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

bool Tfrm_Lista_Pedido_Compra::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (objeto == ui->edt_DataFinal && tecla->key() == Qt::Key_Down) {
            ui->dbg_PedidosCompra->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (objeto == ui->dbg_PedidosCompra && ehEnter(tecla)) {
            Escolher();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_Lista_Pedido_Compra::ajustarColunas()
{
    QTableView* grade = ui->dbg_PedidosCompra;
    QHeaderView* cabecalho = grade->horizontalHeader();
    const QStringList ordem{QStringLiteral("CDCONTROLE"), QStringLiteral("DATA_PEDIDO"),    QStringLiteral("MARCA"),
                            QStringLiteral("MODELO"),     QStringLiteral("MATERIAL_PEDIDO"), QStringLiteral("NOME"),
                            QStringLiteral("PEDIDOCOMPRADO"), QStringLiteral("STATUS")};
    for (int c = 0; c < m_pedidos->columnCount(); ++c)
        grade->setColumnHidden(c, true);
    for (int i = 0; i < ordem.size(); ++i) {
        const int logica = m_pedidos->colunaDe(ordem[i]);
        if (logica < 0)
            continue;
        grade->setColumnHidden(logica, false);
        cabecalho->moveSection(cabecalho->visualIndex(logica), i);
    }
    const QVector<QPair<QString, int>> larguras{{QStringLiteral("CDCONTROLE"), 60},  {QStringLiteral("DATA_PEDIDO"), 95},
                                                {QStringLiteral("MARCA"), 100},      {QStringLiteral("MODELO"), 110},
                                                {QStringLiteral("MATERIAL_PEDIDO"), 220}, {QStringLiteral("NOME"), 160},
                                                {QStringLiteral("PEDIDOCOMPRADO"), 75}, {QStringLiteral("STATUS"), 90}};
    for (const auto& l : larguras)
        if (m_pedidos->colunaDe(l.first) >= 0)
            grade->setColumnWidth(m_pedidos->colunaDe(l.first), l.second);
    cabecalho->setStretchLastSection(true);
}

void Tfrm_Lista_Pedido_Compra::ListarPedidosPeriodo(const QDate& vDataInicial, const QDate& vDataFinal,
                                                    const QString& vDataInformada, int vCdCliente)
{
    QStringList linhas{QStringLiteral("SELECT *"), QStringLiteral("FROM V_PEDIDO_DE_COMPRA")};
    const bool comDatas = vDataInformada == QLatin1String("S");
    if (comDatas)
        linhas << QStringLiteral("WHERE") << QStringLiteral("DATA_PEDIDO BETWEEN") << QStringLiteral(":DATA1 AND :DATA2");
    if (vCdCliente > 0)
        linhas << (comDatas ? QStringLiteral("AND") : QStringLiteral("WHERE")) << QStringLiteral("CDCLIENTE = :CDCLIENTE");
    linhas << QStringLiteral("ORDER BY DATA_PEDIDO DESC");
    m_pedidos->fechar();
    m_pedidos->setSQL(linhas);
    // os parâmetros depois do SQL: trocar o SQL limpa os que havia
    m_pedidos->limparParametros();
    if (comDatas) {
        m_pedidos->setParametro(QStringLiteral("DATA1"), vDataInicial);
        m_pedidos->setParametro(QStringLiteral("DATA2"), vDataFinal);
    }
    if (vCdCliente > 0)
        m_pedidos->setParametro(QStringLiteral("CDCLIENTE"), vCdCliente);
    m_pedidos->abrir();
}

void Tfrm_Lista_Pedido_Compra::edt_DataFinalEnter()
{
    const QString inicial = TextoComMascara(ui->edt_DataInicial);
    const QString fim = TextoComMascara(ui->edt_DataFinal);
    const bool semInicial = SemDigitos(inicial);
    const bool semFinal = SemDigitos(fim);
    if (semInicial != semFinal)
        return; // só uma data: nada a fazer

    const QString nome = ui->LCD_Cliente->texto().trimmed();
    if (!nome.isEmpty() && (m_cdCliente == 0 || nome != m_nomeCliente)) {
        // texto que não é de nenhum cliente: nenhum pedido (e não os da linha em que a lista estava)
        m_pedidos->fechar();
        m_pedidos->limparParametros();
        m_pedidos->setSQL(kSemPedidos);
        m_pedidos->abrir();
        return;
    }
    const int cliente = nome.isEmpty() ? 0 : m_cdCliente;

    if (semInicial) {
        ListarPedidosPeriodo(QDate(), QDate(), QStringLiteral("N"), cliente);
        return;
    }
    if (!DataValida(inicial) || !DataValida(fim)) {
        Dialogos().mensagem(QStringLiteral("Alguma data informada está inválida!"));
        ui->edt_DataInicial->setFocus();
        return;
    }
    const QDate dataInicial = DataDeTexto(inicial);
    const QDate dataFinal = DataDeTexto(fim);
    if (dataFinal < dataInicial) {
        Dialogos().mensagem(QStringLiteral("Você está informando a data inicial maior que a data final!"));
        ui->edt_DataInicial->setFocus();
        return;
    }
    ListarPedidosPeriodo(dataInicial, dataFinal, QStringLiteral("S"), cliente);
}

void Tfrm_Lista_Pedido_Compra::Escolher()
{
    if (m_pedidos->linhaAtual() < 0)
        return;
    ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA = m_pedidos->campo(QStringLiteral("CDCONTROLE")).toInt();
    accept();
}
