// Operações de pedidos de compra do módulo de dados.
#include "core/u_ModuloDados.h"
#include "core/u_Valores.h"

void TModuloDados::GravarPedidodeCompra(int vCdCliente, const QString& vData_Pedido, const QString& vMarca,
                                        const QString& vModelo, const QString& vMaterial_Pedido,
                                        const QString& vPedidoComprado, const QString& vStatus)
{
    // a data é convertida antes: data inválida não chega ao banco
    const QDate data = DataDeTexto(vData_Pedido);
    Executar({QStringLiteral("INSERT INTO PEDIDO_DE_COMPRA"),
              QStringLiteral("(CDCLIENTE, DATA_PEDIDO, MARCA, MODELO, MATERIAL_PEDIDO, PEDIDOCOMPRADO, STATUS)"),
              QStringLiteral("VALUES"),
              QStringLiteral("(:CDCLIENTE, :DATA_PEDIDO, :MARCA, :MODELO, :MATERIAL_PEDIDO, :PEDIDOCOMPRADO, :STATUS)")},
             {{QStringLiteral("CDCLIENTE"), vCdCliente},
              {QStringLiteral("DATA_PEDIDO"), data},
              {QStringLiteral("MARCA"), vMarca},
              {QStringLiteral("MODELO"), vModelo},
              {QStringLiteral("MATERIAL_PEDIDO"), vMaterial_Pedido},
              {QStringLiteral("PEDIDOCOMPRADO"), vPedidoComprado},
              {QStringLiteral("STATUS"), vStatus}});
}

void TModuloDados::AlterarPedidoCompra(int vControle, const QString& vMarca, const QString& vModelo,
                                       const QString& vItens, const QString& vStatus)
{
    Executar({QStringLiteral("UPDATE PEDIDO_DE_COMPRA SET"), QStringLiteral("MARCA = :MARCA,"),
              QStringLiteral("MODELO = :MODELO,"), QStringLiteral("MATERIAL_PEDIDO = :MATERIAL_PEDIDO,"),
              QStringLiteral("STATUS = :STATUS"), QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("MARCA"), vMarca},
              {QStringLiteral("MODELO"), vModelo},
              {QStringLiteral("MATERIAL_PEDIDO"), vItens},
              {QStringLiteral("STATUS"), vStatus},
              {QStringLiteral("CDCONTROLE"), vControle}});
}

void TModuloDados::ExcluirPedidodeCompra(int vControle)
{
    Executar({QStringLiteral("DELETE FROM PEDIDO_DE_COMPRA"), QStringLiteral("WHERE"),
              QStringLiteral("CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("CDCONTROLE"), vControle}});
}

TPedidoCompra TModuloDados::FPedidoCompra(int vControle)
{
    const QSqlRecord r = LerRegistro({QStringLiteral("SELECT PC.*, C.NOME FROM"), QStringLiteral("PEDIDO_DE_COMPRA PC,"),
                                      QStringLiteral("CLIENTES C"), QStringLiteral("WHERE C.CDCONTROLE = PC.CDCLIENTE"),
                                      QStringLiteral("AND PC.CDCONTROLE = :CDCONTROLE")},
                                     {{QStringLiteral("CDCONTROLE"), vControle}});
    TPedidoCompra p;
    p.var_CDCONTROLE = r.value(QStringLiteral("CDCONTROLE")).toInt();
    p.var_CDCLIENTE = r.value(QStringLiteral("CDCLIENTE")).toInt();
    p.var_DATA_PEDIDO = r.value(QStringLiteral("DATA_PEDIDO")).toDate();
    p.var_MARCA = r.value(QStringLiteral("MARCA")).toString();
    p.var_MODELO = r.value(QStringLiteral("MODELO")).toString();
    p.var_MATERIALPEDIDO = r.value(QStringLiteral("MATERIAL_PEDIDO")).toString();
    p.var_PEDIDOCOMPRADO = r.value(QStringLiteral("PEDIDOCOMPRADO")).toString();
    p.var_STATUS = r.value(QStringLiteral("STATUS")).toString();
    p.var_NOMECLIENTE = r.value(QStringLiteral("NOME")).toString();
    return p;
}

int TModuloDados::UltimoPedidoCompra()
{
    return LerValor({QStringLiteral("SELECT MAX(CDCONTROLE) ULTIMO FROM PEDIDO_DE_COMPRA")}).toInt();
}
