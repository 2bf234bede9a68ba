#include "purchasing/u_ListaFornecedores.h"

#include <QKeyEvent>
#include <QLabel>

#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "ui_u_ListaFornecedores.h"

namespace {

// Depois de fechar, vp_CDFORNECEDOR tem o fornecedor escolhido (ou o valor de antes, sem escolha).
const TRegistroTela registroEscolherFornecedor("Fornecedores.Escolher", [](QWidget* pai) {
    Tfrm_Lista_fornecedores janela(pai);
    Dialogos().executarModal(&janela);
});

bool ehEnter(const QKeyEvent* tecla)
{
    return tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
}

} // namespace

Tfrm_Lista_fornecedores::Tfrm_Lista_fornecedores(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Lista_fornecedores>())
{
    ui->setupUi(this);
    DefinirCaixa(ui->edt_RazaoSocial, TCaixa::Maiusculas);
    ui->StatusBar1->addWidget(new QLabel(QStringLiteral("Pressione a tecla ESC para fechar esta tela")), 1);

    TDataset* lista = ModuloDados->Qry_fornecedores;
    lista->definirTitulo(QStringLiteral("RAZAOSOCIAL"), QStringLiteral("Razão Social"));
    lista->vincular(ui->dbg_fornecedores);
    connect(lista, &QAbstractItemModel::modelReset, this, &Tfrm_Lista_fornecedores::ajustarColunas);
    ajustarColunas();
    // a linha atual fica na coluna visível: numa coluna escondida as setas não andam
    connect(lista, &TDataset::linhaAtualMudou, this, [this, lista](int linha) {
        const int coluna = lista->colunaDe(QStringLiteral("RAZAOSOCIAL"));
        const QModelIndex atual = ui->dbg_fornecedores->currentIndex();
        if (linha >= 0 && coluna >= 0 && (!atual.isValid() || atual.column() != coluna))
            ui->dbg_fornecedores->setCurrentIndex(lista->index(linha, coluna));
    });
    connect(ui->edt_RazaoSocial, &QLineEdit::textChanged, this, &Tfrm_Lista_fornecedores::edt_RazaoSocialChange);
    connect(ui->dbg_fornecedores, &QAbstractItemView::doubleClicked, this, &Tfrm_Lista_fornecedores::Escolher);
    ui->edt_RazaoSocial->installEventFilter(this);
    ui->dbg_fornecedores->installEventFilter(this);
}

Tfrm_Lista_fornecedores::~Tfrm_Lista_fornecedores()
{
    if (ModuloDados && ModuloDados->Qry_fornecedores->ativo())
        ModuloDados->Qry_fornecedores->fechar();
}

void Tfrm_Lista_fornecedores::done(int resultado)
{
    ModuloDados->Qry_fornecedores->fechar();
    QDialog::done(resultado);
}

void Tfrm_Lista_fornecedores::ajustarColunas()
{
    // só a razão social aparece
    const TDataset* lista = ModuloDados->Qry_fornecedores;
    for (int coluna = 0; coluna < lista->columnCount(); ++coluna)
        ui->dbg_fornecedores->setColumnHidden(
            coluna, lista->record().fieldName(coluna).compare(QLatin1String("RAZAOSOCIAL"), Qt::CaseInsensitive) != 0);
}

bool Tfrm_Lista_fornecedores::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (objeto == ui->edt_RazaoSocial && tecla->key() == Qt::Key_Down) {
            ui->dbg_fornecedores->setFocus();
            return true;
        }
        if (objeto == ui->dbg_fornecedores && ehEnter(tecla)) {
            Escolher();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_Lista_fornecedores::edt_RazaoSocialChange(const QString& texto)
{
    TDataset* lista = ModuloDados->Qry_fornecedores;
    lista->fechar();
    lista->setSQL({QStringLiteral("SELECT * FROM FORNECEDOR"), QStringLiteral("WHERE"),
                   QStringLiteral("RAZAOSOCIAL LIKE :RAZAOSOCIAL"), QStringLiteral("ORDER BY RAZAOSOCIAL")});
    lista->setParametro(QStringLiteral("RAZAOSOCIAL"), QLatin1Char('%') + texto + QLatin1Char('%'));
    lista->abrir();
}

void Tfrm_Lista_fornecedores::Escolher()
{
    const TDataset* lista = ModuloDados->Qry_fornecedores;
    if (lista->linhaAtual() < 0)
        return;
    ModuloDados->vp_CDFORNECEDOR = lista->campo(QStringLiteral("CDCONTROLE")).toInt();
    accept();
}
