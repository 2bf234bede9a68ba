// Capturas das telas de vendas.
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "capturas.h"
#include "sales/u_Alterar_qtde_e_valor_na_venda.h"
#include "sales/u_CadVendas.h"
#include "sales/u_Lista_Vendas.h"

namespace {
void enter(QWidget* campo)
{
    QKeyEvent tecla(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(campo, &tecla);
}

void bipar(QWidget* janela, const QString& codigo)
{
    auto* produto = janela->findChild<QLineEdit*>(QStringLiteral("edt_Produto"));
    produto->setText(codigo);
    enter(produto);
}

void venda(int nr, const QVector<int>& produtos, const QString& cliente, int cdCliente, const QString& forma,
           const QDate& data)
{
    for (int p : produtos)
        ModuloDados->Gravar_Itens_da_Venda(nr, p, ModuloDados->FEstoque(p).var_VALOR_VENDA, 1);
    ModuloDados->Gravar_Venda(nr, data, cliente, cdCliente, forma, 0);
}
} // namespace

// entrada: três linhas lidas pelo código de barras
REGISTRAR_CAPTURA(frm_CadVendas)
{
    ctx.depoisDeMostrar([](QWidget* janela) {
        bipar(janela, QStringLiteral("7891234500014"));
        bipar(janela, QStringLiteral("7891234500045"));
        bipar(janela, QStringLiteral("7891234500120"));
    });
    return std::make_unique<Tfrm_CadVendas>();
}

// fechamento em dinheiro com o troco calculado
REGISTRAR_CAPTURA(frm_CadVendas_Troco)
{
    ctx.depoisDeMostrar([](QWidget* janela) {
        bipar(janela, QStringLiteral("7891234500014"));
        bipar(janela, QStringLiteral("7891234500045"));
        janela->findChild<QPushButton*>(QStringLiteral("btnFechar"))->click();
        janela->findChild<QComboBox*>(QStringLiteral("cb_FormaPagamento"))->setEditText(QStringLiteral("DINHEIRO"));
        auto* pago = janela->findChild<QLineEdit*>(QStringLiteral("edt_pago"));
        pago->setText(QStringLiteral("100"));
        enter(pago);
    });
    return std::make_unique<Tfrm_CadVendas>();
}

REGISTRAR_CAPTURA(frm_Lista_Vendas)
{
    const int cliente = ctx.valor(QStringLiteral("SELECT MIN(CDCONTROLE) FROM CLIENTES")).toInt();
    const QString nome = ModuloDados->FCliente(cliente).var_NOME;
    const QDate hoje = QDate::currentDate();
    venda(1, {1, 4}, QStringLiteral("CONSUMIDOR PADRAO"), 0, QStringLiteral("DINHEIRO"), hoje.addDays(-3));
    venda(2, {3}, nome, cliente, QStringLiteral("PRAZO"), hoje.addDays(-2));
    venda(3, {2, 2, 12}, QStringLiteral("CONSUMIDOR PADRAO"), 0, QStringLiteral("PIX"), hoje.addDays(-1));
    venda(4, {6}, nome, cliente, QStringLiteral("CARTAO CREDITO"), hoje);
    auto janela = std::make_unique<Tfrm_Lista_Vendas>();
    janela->findChild<QLineEdit*>(QStringLiteral("edt_cliente"))->setText(QStringLiteral("A"));
    janela->findChild<QPushButton*>(QStringLiteral("btnBuscar"))->click();
    return janela;
}

REGISTRAR_CAPTURA(frm_Alterar_qtde_e_valor)
{
    auto janela = std::make_unique<Tfrm_Alterar_qtde_e_valor>();
    janela->preencher(2, 39.9);
    return janela;
}
