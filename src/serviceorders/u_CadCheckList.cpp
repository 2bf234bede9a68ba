#include "serviceorders/u_CadCheckList.h"

#include <QAction>
#include <QHeaderView>

#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "ui_u_CadCheckList.h"

namespace {
const TRegistroTela registroCheckListPadrao("CheckListPadrao", [](QWidget* pai) {
    Tfrm_CheckList frm_CheckList(pai);
    Dialogos().executarModal(&frm_CheckList);
});
} // namespace

Tfrm_CheckList::Tfrm_CheckList(QWidget* pai) : QDialog(pai), ui(std::make_unique<Ui::Tfrm_CheckList>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_CheckList"));
    ui->gb_Item->setTitle(QStringLiteral("Digite aqui o ítem para incluir no seu \"Check List\""));
    ui->edt_Item->setMaxLength(40);
    DefinirCaixa(ui->edt_Item, TCaixa::Maiusculas);
    AoPressionarEnter(ui->edt_Item, [this] { edt_ItemEnter(); });
    ui->StatusBar1->showMessage(QStringLiteral("Clique com o botão direito do mouse sobre o ítem para mais opções"));

    TDataset* pontos = ModuloDados->Qry_CheckList;
    pontos->vincular(ui->dbg_CheckList);
    ui->dbg_CheckList->verticalHeader()->hide();
    ui->dbg_CheckList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui->dbg_CheckList->horizontalHeader()->setStretchLastSection(true);
    connect(pontos, &QAbstractItemModel::modelReset, this, [this, pontos] {
        // só a descrição aparece
        for (int c = 0; c < pontos->columnCount(); ++c)
            ui->dbg_CheckList->setColumnHidden(c, c != pontos->colunaDe(QStringLiteral("DESCRICAO")));
    });

    auto* excluir = new QAction(QStringLiteral("Excluir este ítem"), ui->dbg_CheckList);
    excluir->setObjectName(QStringLiteral("act_ExcluirItem"));
    connect(excluir, &QAction::triggered, this, &Tfrm_CheckList::ExcluirItemClick);
    ui->dbg_CheckList->addAction(excluir);
    ui->dbg_CheckList->setContextMenuPolicy(Qt::ActionsContextMenu);

    ModuloDados->AbrirCheckList();
}

Tfrm_CheckList::~Tfrm_CheckList() = default;

void Tfrm_CheckList::edt_ItemEnter()
{
    const QString item = ui->edt_Item->text().trimmed();
    if (item.isEmpty())
        return;
    const QString problema = ProblemaNoTexto(item, 40, QStringLiteral("Ítem do Check List"));
    if (!problema.isEmpty()) {
        Dialogos().mensagem(problema);
        return;
    }
    if (ModuloDados->JaExisteItem(item))
        return; // repetido: recusado em silêncio, o texto fica no campo
    ModuloDados->InserirItemCheckList(item);
    ui->edt_Item->clear();
    ModuloDados->AbrirCheckList();
    ui->edt_Item->setFocus();
}

void Tfrm_CheckList::ExcluirItemClick()
{
    TDataset* pontos = ModuloDados->Qry_CheckList;
    if (pontos->linhaAtual() < 0)
        return;
    ModuloDados->ExcluirItemdoCheckList(pontos->campo(QStringLiteral("CDCONTROLE")).toInt());
    ModuloDados->AbrirCheckList();
    ui->edt_Item->clear();
    ui->edt_Item->setFocus();
}

void Tfrm_CheckList::done(int resultado)
{
    ModuloDados->Qry_CheckList->fechar();
    QDialog::done(resultado);
}
