// Capturas das telas de produtos, entrada de estoque e fornecedores.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include "capturas.h"
#include "purchasing/u_ListaFornecedores.h"
#include "purchasing/u_cadFornecedor.h"
#include "stock/u_CadProdutos.h"
#include "stock/u_cad_Entrada_produto.h"

namespace {
void enter(QWidget* alvo)
{
    QKeyEvent aperta(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(alvo, &aperta);
}
} // namespace

// Um produto carregado para alteração (Enter na grade), com o fornecedor padrão.
REGISTRAR_CAPTURA(frm_CadProdutos)
{
    auto janela = std::make_unique<Tfrm_CadProdutos>();
    janela->setTag(Tfrm_CadProdutos::ModoNovo);
    ctx.depoisDeMostrar([](QWidget* w) {
        ModuloDados->Qry_Estoque->localizar(QStringLiteral("PRODUTO"), QStringLiteral("TELA FRONTAL"), true);
        enter(w->findChild<QTableView*>(QStringLiteral("dbg_ListaEstoque")));
    });
    return janela;
}

// A lista de escolha da venda, filtrada por "CA".
REGISTRAR_CAPTURA(frm_CadProdutos_Escolha)
{
    auto janela = std::make_unique<Tfrm_CadProdutos>();
    for (const char* nome : {"gb_UN", "gb_Valor", "gb_Qtde", "btn_Gravar"})
        janela->findChild<QWidget*>(QLatin1String(nome))->hide();
    janela->setTag(Tfrm_CadProdutos::ModoEscolher);
    janela->findChild<QLineEdit*>(QStringLiteral("edt_Produto"))->setText(QStringLiteral("CA"));
    return janela;
}

// Depois de uma entrada de 10 a 15,00: quantidade e custo médio apurados pela base.
REGISTRAR_CAPTURA(frm_Cad_entrada_produto)
{
    ModuloDados->vp_cdproduto =
        ctx.valor(QStringLiteral("SELECT CDCONTROLE FROM ESTOQUE WHERE PRODUTO = 'CARREGADOR USB-C 20W'")).toInt();
    auto janela = std::make_unique<Tfrm_Cad_entrada_produto>();
    janela->findChild<QLineEdit*>(QStringLiteral("edt_valor_custo"))->setText(QStringLiteral("15,00"));
    janela->findChild<QLineEdit*>(QStringLiteral("edt_qtEntrada"))->setText(QStringLiteral("10"));
    ctx.depoisDeMostrar([](QWidget* w) { enter(w->findChild<QLineEdit*>(QStringLiteral("edt_qtEntrada"))); });
    return janela;
}

// Um fornecedor escolhido na lista (duplo clique) para alterar.
REGISTRAR_CAPTURA(frm_CadFornecedor)
{
    auto janela = std::make_unique<Tfrm_CadFornecedor>();
    ctx.depoisDeMostrar([](QWidget* w) {
        auto* grade = w->findChild<QTableView*>(QStringLiteral("dbg_fornecedores"));
        ModuloDados->Qry_fornecedores->irPara(0);
        emit grade->doubleClicked(grade->model()->index(0, 1));
    });
    return janela;
}

REGISTRAR_CAPTURA(frm_Lista_fornecedores)
{
    auto janela = std::make_unique<Tfrm_Lista_fornecedores>();
    janela->findChild<QLineEdit*>(QStringLiteral("edt_RazaoSocial"))->setText(QStringLiteral("A"));
    return janela;
}
