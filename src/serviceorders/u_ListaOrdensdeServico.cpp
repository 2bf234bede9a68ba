#include "serviceorders/u_ListaOrdensdeServico.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyledItemDelegate>

#include "core/u_CaixaPesquisa.h"
#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "ui_u_ListaOrdensdeServico.h"

namespace {
const TRegistroTela registroListaOS("ListaOrdensServico", [](QWidget* pai) {
    Tfrm_ListaOrdensdeServico frm_ListaOrdensdeServico(pai);
    Dialogos().executarModal(&frm_ListaOrdensdeServico);
});

const QString kImprimeRetorno = QStringLiteral("ImprimeRetornoOS");

// colunas na ordem da grade; DISTINCT: uma linha por OS, por mais linhas de serviço que tenha
const QStringList kCampos{QStringLiteral("SELECT DISTINCT NROS,"), QStringLiteral("NOME,"), QStringLiteral("DATAOS,"),
                          QStringLiteral("VALOR_TOTAL,"),          QStringLiteral("APARELHO,"), QStringLiteral("MARCA,"),
                          QStringLiteral("STATUS,"),               QStringLiteral("RETORNO"),
                          QStringLiteral("FROM V_IMPRESSAO_OS")};
// as mais novas primeiro; no mesmo dia, a de número maior
const QString kOrdem = QStringLiteral("ORDER BY DATAOS DESC, NROS DESC");

class TDelegadoMoeda : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& valor, const QLocale& local) const override
    {
        const QString texto = QStyledItemDelegate::displayText(valor, local);
        return texto.isEmpty() ? texto : QStringLiteral("R$ ") + texto;
    }
};

bool ehEnter(const QKeyEvent* tecla)
{
    return tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
}
} // namespace

Tfrm_ListaOrdensdeServico::Tfrm_ListaOrdensdeServico(QWidget* pai)
    : QDialog(pai), ui(std::make_unique<Ui::Tfrm_ListaOrdensdeServico>()),
      m_lista(std::make_unique<TDataset>(QStringLiteral("Qry_ListaOS")))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_ListaOrdensdeServico"));
    setWindowFlag(Qt::Tool);

    DefinirMascara(ui->edt_DataInicial, QStringLiteral("99/99/9999"));
    DefinirMascara(ui->edt_DataFinal, QStringLiteral("99/99/9999"));

    ui->LCD_Cliente->vincular(ModuloDados->Qry_Clientes, QStringLiteral("NOME"));
    ui->LCD_Cliente->definirPesquisa(QStringLiteral("Buscar cliente"), {{QStringLiteral("NOME"), QStringLiteral("Nome")}});
    ui->LCD_Cliente->definirAbertura([] { ModuloDados->AbreClientes(); });
    ui->LCD_Cliente->setMaiusculas(true);
    connect(ui->LCD_Cliente, &TCaixaPesquisa::escolheu, this,
            [this] { ListarPorCliente(ModuloDados->Qry_Clientes->campo(QStringLiteral("CDCONTROLE")).toInt()); });

    const QVector<QPair<QString, QString>> titulos{
        {QStringLiteral("NROS"), QStringLiteral("Nro OS")},         {QStringLiteral("NOME"), QStringLiteral("Nome")},
        {QStringLiteral("DATAOS"), QStringLiteral("Dt. Abertura OS")}, {QStringLiteral("VALOR_TOTAL"), QStringLiteral("Valor ")},
        {QStringLiteral("APARELHO"), QStringLiteral("Aparelho")},   {QStringLiteral("MARCA"), QStringLiteral("MARCA")},
        {QStringLiteral("STATUS"), QStringLiteral("STATUS")},       {QStringLiteral("RETORNO"), QStringLiteral("Retorno")}};
    for (const auto& t : titulos)
        m_lista->definirTitulo(t.first, t.second);
    m_lista->vincular(ui->dbg_ListaOS);
    ui->dbg_ListaOS->verticalHeader()->hide();
    ui->dbg_ListaOS->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui->dbg_ListaOS->setItemDelegateForColumn(3, new TDelegadoMoeda(ui->dbg_ListaOS));
    ui->dbg_ListaOS->horizontalHeader()->setStretchLastSection(true);
    connect(m_lista.get(), &QAbstractItemModel::modelReset, this, &Tfrm_ListaOrdensdeServico::ajustarColunas);
    // a grade começa vazia, já com as colunas
    listar({QStringLiteral("WHERE 1 = 2")}, {});

    ui->dbg_ListaOS->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->dbg_ListaOS, &QWidget::customContextMenuRequested, this, &Tfrm_ListaOrdensdeServico::menuDaGrade);
    connect(ui->dbg_ListaOS, &QAbstractItemView::doubleClicked, this, &Tfrm_ListaOrdensdeServico::Escolher);

    AoPressionarEnter(ui->LCD_Cliente->editor(), [this] { ui->edt_DataInicial->setFocus(Qt::TabFocusReason); });
    AoPressionarEnter(ui->edt_DataInicial, [this] { ui->edt_DataFinal->setFocus(Qt::TabFocusReason); });
    AoPressionarEnter(ui->edt_DataFinal, [this] { edt_DataFinalEnter(); });
    AoPressionarEnter(ui->edt_IMEI, [this] { ListarPorIMEI(ui->edt_IMEI->text()); });
    ui->edt_DataFinal->installEventFilter(this);
    ui->dbg_ListaOS->installEventFilter(this);

    ModuloDados->AbreClientes();
}

Tfrm_ListaOrdensdeServico::~Tfrm_ListaOrdensdeServico() = default;

void Tfrm_ListaOrdensdeServico::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    ui->LCD_Cliente->editor()->setFocus();
}

void Tfrm_ListaOrdensdeServico::done(int resultado)
{
    m_lista->fechar();
    ModuloDados->Qry_Clientes->fechar();
    QDialog::done(resultado);
}

bool Tfrm_ListaOrdensdeServico::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (objeto == ui->edt_DataFinal && tecla->key() == Qt::Key_Down) {
            ui->dbg_ListaOS->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (objeto == ui->dbg_ListaOS && ehEnter(tecla)) {
            Escolher();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_ListaOrdensdeServico::ajustarColunas()
{
    const int larguras[] = {55, 220, 100, 90, 70, 100, 90, 55};
    for (int c = 0; c < m_lista->columnCount() && c < 8; ++c)
        ui->dbg_ListaOS->setColumnWidth(c, larguras[c]);
}

void Tfrm_ListaOrdensdeServico::listar(const QStringList& filtro, const QVector<QPair<QString, QVariant>>& parametros)
{
    m_lista->fechar();
    m_lista->limparParametros();
    m_lista->setSQL(QStringList(kCampos) << filtro << kOrdem);
    for (const auto& p : parametros)
        m_lista->setParametro(p.first, p.second);
    m_lista->abrir();
}

void Tfrm_ListaOrdensdeServico::ListarPorCliente(int vCdCliente)
{
    listar({QStringLiteral("WHERE"), QStringLiteral("CDCLIENTE = :CDCLIENTE")}, {{QStringLiteral("CDCLIENTE"), vCdCliente}});
}

void Tfrm_ListaOrdensdeServico::edt_DataFinalEnter()
{
    const QString inicial = TextoComMascara(ui->edt_DataInicial);
    const QString fim = TextoComMascara(ui->edt_DataFinal);
    const bool semInicial = SemDigitos(inicial);
    const bool semFinal = SemDigitos(fim);
    if (semInicial && semFinal) {
        listar({}, {});
        return;
    }
    if (semInicial || semFinal)
        return; // só uma data: nada a fazer
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
    listar({QStringLiteral("WHERE"), QStringLiteral("DATAOS BETWEEN"), QStringLiteral(":DATA1 AND :DATA2")},
           {{QStringLiteral("DATA1"), dataInicial}, {QStringLiteral("DATA2"), dataFinal}});
}

void Tfrm_ListaOrdensdeServico::ListarPorIMEI(const QString& vIMEI)
{
    QString digitos;
    for (const QChar c : vIMEI)
        if (c.isDigit())
            digitos += c;
    if (digitos.isEmpty())
        return;
    // o IMEI gravado pode ter pontuação: compara-se só os dígitos finais
    listar({QStringLiteral("WHERE"),
            QStringLiteral("REPLACE(REPLACE(REPLACE(TRIM(IMEI), ' ', ''), '-', ''), '/', '') LIKE :IMEI")},
           {{QStringLiteral("IMEI"), QStringLiteral("%") + digitos}});
}

void Tfrm_ListaOrdensdeServico::Escolher()
{
    ModuloDados->vNROS = m_lista->linhaAtual() < 0 ? 0 : m_lista->campo(QStringLiteral("NROS")).toInt();
    accept();
}

void Tfrm_ListaOrdensdeServico::ExcluirOSClick()
{
    if (m_lista->linhaAtual() < 0)
        return; // grade vazia: nenhuma OS a excluir
    if (!Dialogos().pergunta(QStringLiteral("Confirma excluir este Ordem de Serviço?"), QStringLiteral("Excluir Ordem"),
                             false))
        return;
    ModuloDados->ExcluirOS(m_lista->campo(QStringLiteral("NROS")).toInt());
    edt_DataFinalEnter();
}

void Tfrm_ListaOrdensdeServico::ImprimirRetornoClick()
{
    if (m_lista->linhaAtual() < 0 || !TelaDisponivel(kImprimeRetorno))
        return;
    // a impressão lê o número em vNROS; a escolha da lista (o que a OS carrega ao voltar) fica como estava
    const int anterior = ModuloDados->vNROS;
    ModuloDados->vNROS = m_lista->campo(QStringLiteral("NROS")).toInt();
    AbrirTela(kImprimeRetorno, this);
    ModuloDados->vNROS = anterior;
}

bool Tfrm_ListaOrdensdeServico::RetornoHabilitado() const
{
    return m_lista->linhaAtual() >= 0 &&
           m_lista->campo(QStringLiteral("RETORNO")).toString().trimmed() == QLatin1String("S") &&
           TelaDisponivel(kImprimeRetorno);
}

void Tfrm_ListaOrdensdeServico::menuDaGrade(const QPoint& ponto)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("pop_ListaOS"));
    QAction* retorno = menu.addAction(QStringLiteral("Imprimir comprovante de retorno"));
    retorno->setObjectName(QStringLiteral("act_ImprimirRetorno"));
    retorno->setEnabled(RetornoHabilitado());
    QAction* excluir = menu.addAction(QStringLiteral("Excluir Ordem de Serviço"));
    excluir->setObjectName(QStringLiteral("act_ExcluirOS"));
    QAction* escolhida = menu.exec(ui->dbg_ListaOS->viewport()->mapToGlobal(ponto));
    if (escolhida == retorno)
        ImprimirRetornoClick();
    else if (escolhida == excluir)
        ExcluirOSClick();
}
