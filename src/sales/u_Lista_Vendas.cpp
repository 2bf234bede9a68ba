#include "sales/u_Lista_Vendas.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpressionValidator>

#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "ui_u_Lista_Vendas.h"

namespace {

const TRegistroTela registroListaVendas("ListaVendas", [](QWidget* pai) {
    Tfrm_Lista_Vendas frm_Lista_Vendas(pai);
    Dialogos().executarModal(&frm_Lista_Vendas);
});

bool ehEnter(const QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int tecla = static_cast<const QKeyEvent*>(evento)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

// a listagem inteira, com a restrição entre o FROM e o GROUP BY
QStringList Listagem(const QStringList& restricao)
{
    QStringList linhas{QStringLiteral("SELECT"),
                       QStringLiteral("V.nrvenda,"),
                       QStringLiteral("V.data_venda,"),
                       QStringLiteral("V.cliente,"),
                       QStringLiteral("V.pago,"),
                       QStringLiteral("SUM(V.valor_total) TOTAL_DA_VENDA,"),
                       // a situação sai do PAGO; vazio ou nulo é venda aberta
                       QStringLiteral("CAST(TRIM(IIF(V.pago = 'S', 'Venda quitada', 'Venda aberta')) AS VARCHAR(13)) SITUACAO"),
                       QStringLiteral("FROM V_IMPRESSAO_VENDA V")};
    linhas << restricao;
    linhas << QStringLiteral("GROUP BY") << QStringLiteral("V.nrvenda,") << QStringLiteral("V.data_venda,")
           << QStringLiteral("V.cliente,") << QStringLiteral("V.pago") << QStringLiteral("ORDER BY V.DATA_VENDA");
    return linhas;
}

bool DataPreenchida(const QLineEdit* campo)
{
    return !SemDigitos(TextoComMascara(campo));
}

} // namespace

Tfrm_Lista_Vendas::Tfrm_Lista_Vendas(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Lista_Vendas>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::Tool);
    DefinirMascara(ui->edt_DtInicial, QStringLiteral("99/99/9999"));
    DefinirMascara(ui->edt_Dtfinal, QStringLiteral("99/99/9999"));
    ui->edt_NrVenda->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), ui->edt_NrVenda));
    DefinirCaixa(ui->edt_cliente, TCaixa::Maiusculas);

    m_vendas = new TDataset(QStringLiteral("Qry_Vendas"), this);
    m_vendas->setSQL(Listagem({}));
    m_vendas->definirTitulo(QStringLiteral("NRVENDA"), QStringLiteral("Nro da Venda"));
    m_vendas->definirTitulo(QStringLiteral("DATA_VENDA"), QStringLiteral("Data da Venda"));
    m_vendas->definirTitulo(QStringLiteral("CLIENTE"), QStringLiteral("Cliente"));
    m_vendas->definirTitulo(QStringLiteral("TOTAL_DA_VENDA"), QStringLiteral("Total da venda"));
    m_vendas->definirTitulo(QStringLiteral("SITUACAO"), QStringLiteral("Situação"));
    m_vendas->vincular(ui->dbg_Lista_Vendas);
    connect(m_vendas, &QAbstractItemModel::modelReset, this, &Tfrm_Lista_Vendas::ajustarColunas);
    connect(m_vendas, &TDataset::linhaAtualMudou, this, &Tfrm_Lista_Vendas::atualizarBotoes);
    connect(m_vendas, &TDataset::fechou, this, &Tfrm_Lista_Vendas::atualizarBotoes);

    auto* menu = new QMenu(this);
    QAction* imprimir = menu->addAction(QStringLiteral("Imprimir "), this, &Tfrm_Lista_Vendas::btnImprimirVendaClick);
    imprimir->setObjectName(QStringLiteral("Imprimir1"));
    imprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ui->dbg_Lista_Vendas->addAction(imprimir);
    imprimir->setShortcutContext(Qt::WidgetShortcut);
    ui->dbg_Lista_Vendas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->dbg_Lista_Vendas, &QWidget::customContextMenuRequested, this, [this, menu, imprimir](const QPoint& p) {
        imprimir->setEnabled(ui->btnImprimirVenda->isEnabled());
        menu->popup(ui->dbg_Lista_Vendas->viewport()->mapToGlobal(p));
    });

    connect(ui->btnBuscar, &QPushButton::clicked, this, &Tfrm_Lista_Vendas::btnBuscarClick);
    connect(ui->btnImprimirVenda, &QPushButton::clicked, this, &Tfrm_Lista_Vendas::btnImprimirVendaClick);
    connect(ui->btnExcluir, &QPushButton::clicked, this, &Tfrm_Lista_Vendas::btnExcluirClick);
    connect(ui->btnQuitar, &QPushButton::clicked, this, &Tfrm_Lista_Vendas::btnQuitarClick);
    ui->edt_DtInicial->installEventFilter(this);
    ui->edt_Dtfinal->installEventFilter(this);
    atualizarBotoes();
}

Tfrm_Lista_Vendas::~Tfrm_Lista_Vendas() = default;

void Tfrm_Lista_Vendas::done(int resultado)
{
    m_vendas->fechar();
    QDialog::done(resultado);
}

bool Tfrm_Lista_Vendas::eventFilter(QObject* objeto, QEvent* evento)
{
    if (ehEnter(evento)) {
        if (objeto == ui->edt_DtInicial) {
            ui->edt_Dtfinal->setFocus();
            return true;
        }
        if (objeto == ui->edt_Dtfinal) {
            buscarPeriodo();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_Lista_Vendas::ajustarColunas()
{
    const int pago = m_vendas->colunaDe(QStringLiteral("PAGO"));
    if (pago >= 0)
        ui->dbg_Lista_Vendas->setColumnHidden(pago, true);
    const int cliente = m_vendas->colunaDe(QStringLiteral("CLIENTE"));
    if (cliente >= 0)
        ui->dbg_Lista_Vendas->setColumnWidth(cliente, 330);
}

void Tfrm_Lista_Vendas::atualizarBotoes()
{
    const bool temVenda = m_vendas->ativo() && m_vendas->linhaAtual() >= 0;
    ui->btnImprimirVenda->setEnabled(temVenda && TelaDisponivel(QStringLiteral("ImprimeVenda")));
    ui->btnExcluir->setEnabled(temVenda);
    ui->btnQuitar->setEnabled(temVenda && TelaDisponivel(QStringLiteral("FichaCliente")));
}

void Tfrm_Lista_Vendas::btnBuscarClick()
{
    bool aplicou = false;
    if (!ui->edt_NrVenda->text().isEmpty()) {
        bool ok = false;
        const int numero = ui->edt_NrVenda->text().toInt(&ok);
        if (!ok)
            throw EConversao(QStringLiteral("'%1' não é um número de venda válido").arg(ui->edt_NrVenda->text()).toStdString());
        m_filtro = PorNumero;
        m_numero = numero;
        aplicou = true;
    }
    if (!ui->edt_cliente->text().isEmpty()) {
        m_filtro = PorNome;
        m_nome = ui->edt_cliente->text();
        aplicou = true;
    }
    if (DataPreenchida(ui->edt_DtInicial) && DataPreenchida(ui->edt_Dtfinal)) {
        if (!aplicou)
            m_filtro = Nenhum; // só o período: todas as vendas dele
        buscarPeriodo();
        return;
    }
    if (aplicou) {
        m_periodo = false;
        reabrir();
    }
}

void Tfrm_Lista_Vendas::buscarPeriodo()
{
    if (!DataPreenchida(ui->edt_DtInicial) || !DataPreenchida(ui->edt_Dtfinal))
        return;
    // data errada: o erro da conversão aparece e a lista fica como estava
    const QDate inicio = DataDeTexto(TextoComMascara(ui->edt_DtInicial));
    const QDate fim = DataDeTexto(TextoComMascara(ui->edt_Dtfinal));
    m_periodo = true;
    m_inicio = inicio;
    m_fim = fim;
    reabrir();
}

void Tfrm_Lista_Vendas::reabrir()
{
    QStringList restricao;
    QStringList condicoes;
    if (m_filtro == PorNumero)
        condicoes << QStringLiteral("V.NRVENDA = :NRVENDA");
    else if (m_filtro == PorNome)
        condicoes << QStringLiteral("V.CLIENTE LIKE :CLIENTE");
    if (m_periodo)
        condicoes << QStringLiteral("V.DATA_VENDA BETWEEN :DTINICIAL AND :DTFINAL");
    if (!condicoes.isEmpty())
        restricao << QStringLiteral("WHERE ") + condicoes.join(QStringLiteral(" AND "));
    m_vendas->fechar();
    m_vendas->setSQL(Listagem(restricao));
    if (m_filtro == PorNumero)
        m_vendas->setParametro(QStringLiteral("NRVENDA"), m_numero);
    else if (m_filtro == PorNome)
        m_vendas->setParametro(QStringLiteral("CLIENTE"), QLatin1Char('%') + m_nome + QLatin1Char('%'));
    if (m_periodo) {
        m_vendas->setParametro(QStringLiteral("DTINICIAL"), m_inicio);
        m_vendas->setParametro(QStringLiteral("DTFINAL"), m_fim);
    }
    m_vendas->abrir();
    atualizarBotoes();
}

void Tfrm_Lista_Vendas::btnImprimirVendaClick()
{
    if (m_vendas->linhaAtual() < 0 || !TelaDisponivel(QStringLiteral("ImprimeVenda")))
        return;
    ModuloDados->vNRVENDA_Impressao = m_vendas->campo(QStringLiteral("NRVENDA")).toInt();
    AbrirTela(QStringLiteral("ImprimeVenda"), this);
}

void Tfrm_Lista_Vendas::btnExcluirClick()
{
    if (m_vendas->linhaAtual() < 0)
        return;
    const int numero = m_vendas->campo(QStringLiteral("NRVENDA")).toInt();
    if (!Dialogos().pergunta(QStringLiteral("Confirma excluir esta venda?"), QStringLiteral("ATENÇÃO"), false))
        return;
    ModuloDados->ExcluirVenda(numero);
    reabrir();
}

void Tfrm_Lista_Vendas::btnQuitarClick()
{
    if (m_vendas->linhaAtual() < 0 || !TelaDisponivel(QStringLiteral("FichaCliente")))
        return;
    const int numero = m_vendas->campo(QStringLiteral("NRVENDA")).toInt();
    const QSqlRecord venda =
        ModuloDados->LerRegistro({QStringLiteral("SELECT CDCLIENTE, FORMA_PAGAMENTO, PAGO FROM VENDA"),
                                  QStringLiteral("WHERE NRVENDA = :NRVENDA")},
                                 {{QStringLiteral("NRVENDA"), numero}});
    // só a venda a prazo ainda em aberto tem conta a quitar, na ficha do cliente
    if (venda.isEmpty() || venda.value(QStringLiteral("FORMA_PAGAMENTO")).toString() != QLatin1String("PRAZO") ||
        venda.value(QStringLiteral("PAGO")).toString() == QLatin1String("S")) {
        Dialogos().mensagem(QStringLiteral("Atenção\nEsta venda não tem valor a quitar"));
        return;
    }
    ModuloDados->vCDCONTROLE_CLIENTE = venda.value(QStringLiteral("CDCLIENTE")).toInt();
    AbrirTela(QStringLiteral("FichaCliente"), this);
    reabrir();
}
