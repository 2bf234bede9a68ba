// Capturas das telas de pedidos de compra.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "capturas.h"
#include "core/u_CaixaPesquisa.h"
#include "core/u_Relogio.h"
#include "purchasing/u_CadPedidodeCompra.h"
#include "purchasing/u_Lista_Pedido_Compras.h"

namespace {
void inserirPedido(const TContextoCaptura& ctx, const QString& cliente, const QDate& data, const QString& marca,
                   const QString& modelo, const QString& material, const QString& status)
{
    ctx.sql(QStringLiteral("INSERT INTO PEDIDO_DE_COMPRA (CDCLIENTE, DATA_PEDIDO, MARCA, MODELO, MATERIAL_PEDIDO, "
                           "PEDIDOCOMPRADO, STATUS) SELECT CDCONTROLE, :D, :MA, :MO, :MT, 'N', :S FROM CLIENTES "
                           "WHERE NOME = :C"),
            {{QStringLiteral("D"), data},
             {QStringLiteral("MA"), marca},
             {QStringLiteral("MO"), modelo},
             {QStringLiteral("MT"), material},
             {QStringLiteral("S"), status},
             {QStringLiteral("C"), cliente}});
}

void inserirPedidosDemo(const TContextoCaptura& ctx)
{
    const QDate hoje = Hoje();
    inserirPedido(ctx, QStringLiteral("MARIA APARECIDA SOUZA"), hoje.addDays(-6), QStringLiteral("SAMSUNG"),
                  QStringLiteral("GALAXY A10"), QStringLiteral("TELA#\r\nBATERIA#\r\n"), QStringLiteral("Aberto"));
    inserirPedido(ctx, QStringLiteral("JOÃO DA SILVA"), hoje.addDays(-3), QStringLiteral("MOTOROLA"),
                  QStringLiteral("MOTO G8"), QStringLiteral("CONECTOR DE CARGA#\r\n"), QStringLiteral("Em andamento"));
    inserirPedido(ctx, QStringLiteral("ANA PAULA FERREIRA"), hoje.addDays(-1), QStringLiteral("XIAOMI"),
                  QStringLiteral("REDMI NOTE 8"), QStringLiteral("TAMPA TRASEIRA#\r\nPELICULA 3D#\r\n"),
                  QStringLiteral("concluido"));
}
} // namespace

// Um pedido carregado (modo alteração, com o número à mostra).
REGISTRAR_CAPTURA(frm_CadPedidodeCompra)
{
    inserirPedidosDemo(ctx);
    const int numero = ctx.valor(QStringLiteral("SELECT MIN(CDCONTROLE) FROM PEDIDO_DE_COMPRA")).toInt();
    auto janela = std::make_unique<Tfrm_CadPedidodeCompra>();
    janela->setTag(1);
    ctx.depoisDeMostrar([numero](QWidget* w) { static_cast<Tfrm_CadPedidodeCompra*>(w)->CarregarPedido(numero); });
    return janela;
}

// Pedido novo sendo digitado.
REGISTRAR_CAPTURA(frm_CadPedidodeCompra_Novo)
{
    auto janela = std::make_unique<Tfrm_CadPedidodeCompra>();
    janela->setTag(1);
    ctx.depoisDeMostrar([](QWidget* w) {
        auto* caixa = w->findChild<TCaixaPesquisa*>(QStringLiteral("LCD_Cliente"));
        caixa->setTexto(QStringLiteral("JOSÉ CARLOS PEREIRA"));
        w->findChild<QComboBox*>(QStringLiteral("CB_Marcas"))->setEditText(QStringLiteral("SAMSUNG"));
        w->findChild<QLineEdit*>(QStringLiteral("edt_Modelo"))->setText(QStringLiteral("GALAXY S20"));
        w->findChild<QListWidget*>(QStringLiteral("lst_PEDIDO"))
            ->addItems({QStringLiteral("DISPLAY COM ARO#"), QStringLiteral("BATERIA#")});
        w->findChild<QLineEdit*>(QStringLiteral("edt_Material"))->setFocus();
    });
    return janela;
}

// Lista com todos os pedidos (como o Enter na data final com as datas vazias).
REGISTRAR_CAPTURA(frm_Lista_Pedido_Compra)
{
    inserirPedidosDemo(ctx);
    auto janela = std::make_unique<Tfrm_Lista_Pedido_Compra>();
    ctx.depoisDeMostrar([](QWidget* w) {
        static_cast<Tfrm_Lista_Pedido_Compra*>(w)->ListarPedidosPeriodo(QDate(), QDate(), QStringLiteral("N"), 0);
    });
    return janela;
}
