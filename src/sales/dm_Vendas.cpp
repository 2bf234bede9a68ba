// Operações do módulo de dados sobre vendas (VENDA e ITENS_VENDA).
#include "core/u_ModuloDados.h"
#include "core/u_Valores.h"

int TModuloDados::GerarNrodaVenda()
{
    return LerValor({QStringLiteral("SELECT COALESCE(MAX(NRVENDA),0)+1 QTDE FROM VENDA")}).toInt();
}

void TModuloDados::Gravar_Itens_da_Venda(int vNrVenda, int vCdProduto, double vValor_Produto, double vQTDE)
{
    Executar({QStringLiteral("INSERT INTO ITENS_VENDA"), QStringLiteral("(NRVENDA, CDPRODUTO, VALOR_PRODUTO, QTDE)"),
              QStringLiteral("VALUES"), QStringLiteral("(:NRVENDA, :CDPRODUTO, :VALOR_PRODUTO, :QTDE)")},
             {{QStringLiteral("NRVENDA"), vNrVenda},
              {QStringLiteral("CDPRODUTO"), vCdProduto},
              {QStringLiteral("VALOR_PRODUTO"), vValor_Produto},
              {QStringLiteral("QTDE"), vQTDE}});
}

void TModuloDados::AbrirItensVenda(int vNrVenda)
{
    Qry_Itens_Venda->fechar();
    Qry_Itens_Venda->setParametro(QStringLiteral("NRVENDA"), vNrVenda);
    Qry_Itens_Venda->abrir();
}

double TModuloDados::TotaldaVenda(int vp_NrVenda)
{
    const QVariant total =
        LerValor({QStringLiteral("SELECT SUM(VALOR_PRODUTO * QTDE) TOTAL FROM ITENS_VENDA WHERE NRVENDA=:NRVENDA")},
                 {{QStringLiteral("NRVENDA"), vp_NrVenda}});
    // o produto de dois NUMERIC(18,2) tem quatro casas: o total é dinheiro, com os centavos
    return static_cast<double>(EmCentavos(total.toDouble())) / 100.0;
}

void TModuloDados::AlterarQtdeeValorVENDA(int vControle, double vQtde, double vValorUnitario)
{
    Executar({QStringLiteral("UPDATE"), QStringLiteral("ITENS_VENDA SET QTDE = :QTDE,"),
              QStringLiteral("VALOR_PRODUTO = :VALOR_PRODUTO"), QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("QTDE"), vQtde},
              {QStringLiteral("VALOR_PRODUTO"), vValorUnitario},
              {QStringLiteral("CDCONTROLE"), vControle}});
}

void TModuloDados::ExcluirItemDaVenda(int vControle)
{
    Executar({QStringLiteral("DELETE FROM ITENS_VENDA"), QStringLiteral("WHERE"),
              QStringLiteral("CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("CDCONTROLE"), vControle}});
}

void TModuloDados::Gravar_Venda(int vNrVenda, const QDate& vData_Venda, const QString& vCliente, int vCdCliente,
                                const QString& vForma_Pagamento, double vValor_Desconto)
{
    Executar({QStringLiteral("INSERT INTO VENDA"),
              QStringLiteral("(NRVENDA, DATA_VENDA, CLIENTE, CDCLIENTE, FORMA_PAGAMENTO, VALOR_DESCONTO)"),
              QStringLiteral("VALUES"),
              QStringLiteral("(:NRVENDA, :DATA_VENDA, :CLIENTE, :CDCLIENTE, :FORMA_PAGAMENTO, :VALOR_DESCONTO)")},
             {{QStringLiteral("NRVENDA"), vNrVenda},
              {QStringLiteral("DATA_VENDA"), vData_Venda},
              {QStringLiteral("CLIENTE"), vCliente},
              {QStringLiteral("CDCLIENTE"), vCdCliente},
              {QStringLiteral("FORMA_PAGAMENTO"), vForma_Pagamento},
              {QStringLiteral("VALOR_DESCONTO"), vValor_Desconto}});
}

TVenda TModuloDados::FVenda(int vCdControle)
{
    const QSqlRecord r = LerRegistro({QStringLiteral("SELECT * FROM VENDA WHERE CDCONTROLE = :CDCONTROLE")},
                                     {{QStringLiteral("CDCONTROLE"), vCdControle}});
    TVenda v;
    if (r.isEmpty())
        return v;
    v.var_CDCONTROLE = r.value(QStringLiteral("CDCONTROLE")).toInt();
    v.var_DATA_VENDA = TextoDeData(r.value(QStringLiteral("DATA_VENDA")).toDate());
    v.var_CLIENTE = r.value(QStringLiteral("CLIENTE")).toString();
    v.var_CDCLIENTE = r.value(QStringLiteral("CDCLIENTE")).toInt();
    v.var_FORMA_PAGAMENTO = r.value(QStringLiteral("FORMA_PAGAMENTO")).toString();
    v.var_VALOR_DESCONTO = r.value(QStringLiteral("VALOR_DESCONTO")).toDouble();
    v.var_NRVENDA = r.value(QStringLiteral("NRVENDA")).isNull() ? QString()
                                                                : QString::number(r.value(QStringLiteral("NRVENDA")).toInt());
    v.var_PAGO = r.value(QStringLiteral("PAGO")).toString();
    return v;
}

void TModuloDados::ExcluirVenda(int AValue)
{
    EmTransacao([&] {
        Executar({QStringLiteral("DELETE FROM ITENS_VENDA"), QStringLiteral("WHERE"),
                  QStringLiteral("NRVENDA = :NRVENDA")},
                 {{QStringLiteral("NRVENDA"), AValue}});
        Executar({QStringLiteral("DELETE FROM VENDA"), QStringLiteral("WHERE"), QStringLiteral("NRVENDA = :NRVENDA")},
                 {{QStringLiteral("NRVENDA"), AValue}});
    });
}

void TModuloDados::LimpaItenssemVENDA()
{
    Executar({QStringLiteral("DELETE FROM ITENS_VENDA IV WHERE NOT EXISTS(SELECT * FROM VENDA V WHERE V.NRVENDA = "
                             "IV.NRVENDA)")});
}
