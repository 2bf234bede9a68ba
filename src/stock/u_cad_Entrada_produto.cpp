#include "stock/u_cad_Entrada_produto.h"

#include <QKeyEvent>

#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "core/u_Valores.h"
#include "stock/u_CadProdutos.h"
#include "ui_u_cad_Entrada_produto.h"

namespace {
bool ehEnter(const QKeyEvent* tecla)
{
    return tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
}

void focarESelecionar(QLineEdit* campo)
{
    campo->setFocus();
    campo->selectAll();
}
} // namespace

Tfrm_Cad_entrada_produto::Tfrm_Cad_entrada_produto(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Cad_entrada_produto>())
{
    ui->setupUi(this);
    DefinirMascara(ui->edt_dtentrada, QStringLiteral("99/99/9999"));
    for (QObject* o : std::initializer_list<QObject*>{ui->edt_dtentrada, ui->edt_valor_custo, ui->edt_qtEntrada})
        o->installEventFilter(this);

    const TEstoque produto = ModuloDados->FEstoque(ModuloDados->vp_cdproduto);
    ui->lbl_produto->setText(produto.var_PRODUTO);
    ui->lbl_valor_de_venda_atual->setText(FormatarValor(produto.var_VALOR_VENDA));
    ui->lbl_qtde_estoque_atual->setText(TextoDeQuantidade(produto.var_QTDE_ATUAL));
    ui->edt_dtentrada->setText(TextoDeData(Hoje()));
}

Tfrm_Cad_entrada_produto::~Tfrm_Cad_entrada_produto() = default;

void Tfrm_Cad_entrada_produto::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    focarESelecionar(ui->edt_valor_custo);
}

bool Tfrm_Cad_entrada_produto::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress && ehEnter(static_cast<QKeyEvent*>(evento))) {
        if (objeto == ui->edt_dtentrada) {
            focarESelecionar(ui->edt_valor_custo);
            return true;
        }
        if (objeto == ui->edt_valor_custo) {
            focarESelecionar(ui->edt_qtEntrada);
            return true;
        }
        if (objeto == ui->edt_qtEntrada) {
            LancarEntrada();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_Cad_entrada_produto::LancarEntrada()
{
    QDate data;
    try {
        data = DataDeTexto(TextoComMascara(ui->edt_dtentrada));
    } catch (const EConversao&) {
        Dialogos().mensagem(QStringLiteral("Data informada esta errada"));
        return;
    }
    double custo = 0;
    if (!LerValor(ui->edt_valor_custo->text(), custo)) {
        Dialogos().mensagem(QStringLiteral("Valor informado do Valor de custo está errado"));
        return;
    }
    double qtde = 0;
    if (!LerValor(ui->edt_qtEntrada->text(), qtde)) {
        Dialogos().mensagem(QStringLiteral("Valor informado da quantidade está errada"));
        return;
    }
    const int cdProduto = ModuloDados->vp_cdproduto;
    ModuloDados->LancarEntradaEstoque(cdProduto, custo, qtde, data);
    // quantidade e custo médio são os que a base acabou de apurar com a entrada
    const TEstoque produto = ModuloDados->FEstoque(cdProduto);
    ui->lbl_qtde_estoque_atual->setText(TextoDeQuantidade(produto.var_QTDE_ATUAL));
    ui->lbl_valor_de_custo_do_estoque->setText(FormatarValor(produto.var_VALOR_CUSTO));
}
