#include "serviceorders/u_CadCheckList_Entrada_OS.h"

#include <QAction>
#include <QHeaderView>
#include <QMenuBar>
#include <QPainter>
#include <QStyledItemDelegate>

#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "ui_u_CadCheckList_Entrada_OS.h"

namespace {
const QString kImprimeRecibo = QStringLiteral("ImprimeReciboEntradaOS");

// A ordem de serviço põe o número em vNROS antes de abrir.
const TRegistroTela registroCheckListEntrada("CheckListEntradaOS",
                                             [](QWidget* pai) { AbrirCheckListdaOS(ModuloDados->vNROS, pai); });
const TRegistroTela registroNovaCheckList("GerarNovaCheckListOS",
                                          [](QWidget*) { GerarNovaCheckListdaOS(ModuloDados->vNROS); });

// CHECADO vale "ü" (a marca na fonte de símbolos do recibo); na grade, uma marca vermelha em negrito.
class TDelegadoChecado : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const override
    {
        QStyledItemDelegate::initStyleOption(opcao, indice);
        const bool checado = indice.data(Qt::EditRole).toString() == QStringLiteral("ü");
        opcao->text = checado ? QStringLiteral("\u2714") : QString();
        opcao->font.setBold(true);
        opcao->displayAlignment = Qt::AlignCenter;
        opcao->palette.setColor(QPalette::Text, Qt::red);
        opcao->palette.setColor(QPalette::HighlightedText, Qt::red);
    }
};
} // namespace

void AbrirCheckListdaOS(int vNROS, QWidget* pai)
{
    if (!ModuloDados->ExisteCheckListparaOS(vNROS))
        ModuloDados->GerarCheckList_para_OS(vNROS);
    ModuloDados->AbrirCheckList_Entrada_OS(vNROS);
    Tfrm_CadChecklist_Entrada_OS frm_CadChecklist_Entrada_OS(vNROS, pai);
    const TOrdemServico os = ModuloDados->FOrdemServico(vNROS);
    frm_CadChecklist_Entrada_OS.MostrarAparelho(os.fMARCA, os.fMODELO);
    Dialogos().executarModal(&frm_CadChecklist_Entrada_OS);
    ModuloDados->Qry_CheckLista_Entrada_OS->fechar();
}

void GerarNovaCheckListdaOS(int vNROS)
{
    // as linhas antigas só saem se as novas entrarem
    ModuloDados->EmTransacao([vNROS] {
        ModuloDados->ExcluirCheckList_da_OS(vNROS);
        ModuloDados->GerarCheckList_para_OS(vNROS);
    });
    Dialogos().mensagem(QStringLiteral("Nova Checklista gerada para a Ordem de Serviço ") + QString::number(vNROS));
}

Tfrm_CadChecklist_Entrada_OS::Tfrm_CadChecklist_Entrada_OS(int vNROS, QWidget* pai)
    : QDialog(pai), ui(std::make_unique<Ui::Tfrm_CadChecklist_Entrada_OS>()), m_nros(vNROS)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_CadChecklist_Entrada_OS"));

    auto* menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* cadastro = menu->addMenu(QStringLiteral("Cadastro"));
    act_ImprimirRecibo = cadastro->addAction(QStringLiteral("Imprimir recibo"));
    act_ImprimirRecibo->setObjectName(QStringLiteral("act_ImprimirRecibo"));
    act_ImprimirRecibo->setShortcut(QKeySequence(Qt::Key_F2));
    act_ImprimirRecibo->setEnabled(TelaDisponivel(kImprimeRecibo));
    addAction(act_ImprimirRecibo);
    connect(act_ImprimirRecibo, &QAction::triggered, this, &Tfrm_CadChecklist_Entrada_OS::ImprimirReciboClick);
    layout()->setMenuBar(menu);

    TDataset* linhas = ModuloDados->Qry_CheckLista_Entrada_OS;
    linhas->vincular(ui->dbg_CheckList_OS);
    ui->dbg_CheckList_OS->verticalHeader()->hide();
    ui->dbg_CheckList_OS->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    auto* delegado = new TDelegadoChecado(ui->dbg_CheckList_OS);
    auto ajustar = [this, linhas, delegado] {
        const QStringList mostrados{QStringLiteral("ITEM"), QStringLiteral("DATA"), QStringLiteral("FUNCIONARIO"),
                                    QStringLiteral("CHECADO")};
        QHeaderView* cabecalho = ui->dbg_CheckList_OS->horizontalHeader();
        for (int c = 0; c < linhas->columnCount(); ++c)
            ui->dbg_CheckList_OS->setColumnHidden(c, true);
        const int larguras[] = {230, 85, 110, 65};
        for (int i = 0; i < mostrados.size(); ++i) {
            const int coluna = linhas->colunaDe(mostrados[i]);
            if (coluna < 0)
                continue;
            ui->dbg_CheckList_OS->setColumnHidden(coluna, false);
            ui->dbg_CheckList_OS->setColumnWidth(coluna, larguras[i]);
            cabecalho->moveSection(cabecalho->visualIndex(coluna), i);
        }
        const int checado = linhas->colunaDe(QStringLiteral("CHECADO"));
        if (checado >= 0)
            ui->dbg_CheckList_OS->setItemDelegateForColumn(checado, delegado);
    };
    connect(linhas, &QAbstractItemModel::modelReset, this, ajustar);
    ajustar();
    ui->dbg_CheckList_OS->horizontalHeader()->setStretchLastSection(true);
    connect(ui->dbg_CheckList_OS, &QAbstractItemView::doubleClicked, this,
            &Tfrm_CadChecklist_Entrada_OS::dbg_CheckListDblClick);
}

Tfrm_CadChecklist_Entrada_OS::~Tfrm_CadChecklist_Entrada_OS() = default;

void Tfrm_CadChecklist_Entrada_OS::MostrarAparelho(const QString& vMarca, const QString& vModelo)
{
    ui->lbl_detalhes->setText(QStringLiteral("Aparelho : ") + vMarca + QStringLiteral("-") + vModelo);
}

void Tfrm_CadChecklist_Entrada_OS::dbg_CheckListDblClick()
{
    TDataset* linhas = ModuloDados->Qry_CheckLista_Entrada_OS;
    const int linha = linhas->linhaAtual();
    if (linha < 0)
        return;
    ModuloDados->MarcarConferido(linhas->campo(QStringLiteral("CDCONTROLE")).toInt(),
                                 linhas->campo(QStringLiteral("APROVADO")).toString(),
                                 ModuloDados->vp_usuario_conectado);
    ModuloDados->AbrirCheckList_Entrada_OS(m_nros);
    // continua na linha marcada, para conferir a seguinte
    if (linha < linhas->rowCount())
        linhas->irPara(linha);
}

void Tfrm_CadChecklist_Entrada_OS::ImprimirReciboClick()
{
    if (!TelaDisponivel(kImprimeRecibo))
        return;
    ModuloDados->vNROS = m_nros;
    AbrirTela(kImprimeRecibo, this);
}

void Tfrm_CadChecklist_Entrada_OS::done(int resultado)
{
    ModuloDados->Qry_CheckLista_Entrada_OS->fechar();
    QDialog::done(resultado);
}
