// Operações do módulo de dados sobre produtos (ESTOQUE) e entradas de estoque.
#include "core/u_ModuloDados.h"

void TModuloDados::AbreEstoque()
{
    Qry_Estoque->fechar();
    Qry_Estoque->setSQL({QStringLiteral("SELECT * FROM ESTOQUE"), QStringLiteral("ORDER BY PRODUTO")});
    Qry_Estoque->abrir();
}

void TModuloDados::AbreProdutoPelocodigodeBarra(const QString& vp_CodBarra)
{
    Qry_Estoque->fechar();
    Qry_Estoque->setSQL({QStringLiteral("SELECT * FROM ESTOQUE"), QStringLiteral("WHERE CODBARRA = :CODBARRA")});
    Qry_Estoque->setParametro(QStringLiteral("CODBARRA"), vp_CodBarra);
    Qry_Estoque->abrir();
}

bool TModuloDados::CodigoProdutoExiste(int vControle)
{
    return LerValor({QStringLiteral("SELECT COUNT(*) QTDE FROM ESTOQUE WHERE CDCONTROLE = :CDCONTROLE")},
                    {{QStringLiteral("CDCONTROLE"), vControle}})
               .toInt() > 0;
}

bool TModuloDados::ExisteCodigodeBarras(const QString& CodBarra)
{
    return LerValor({QStringLiteral("SELECT COUNT(*) QT FROM ESTOQUE WHERE CODBARRA = :CODBARRA")},
                    {{QStringLiteral("CODBARRA"), CodBarra}})
               .toInt() > 0;
}

TEstoque TModuloDados::FEstoque(int vCdControle)
{
    const QSqlRecord r = LerRegistro({QStringLiteral("SELECT * FROM ESTOQUE WHERE CDCONTROLE = :CDCONTROLE")},
                                     {{QStringLiteral("CDCONTROLE"), vCdControle}});
    TEstoque e;
    if (r.isEmpty())
        return e;
    e.var_CDCONTROLE = r.value(QStringLiteral("CDCONTROLE")).toInt();
    e.var_PRODUTO = r.value(QStringLiteral("PRODUTO")).toString();
    e.var_UN = r.value(QStringLiteral("UN")).toString();
    e.var_QTDE_ATUAL = r.value(QStringLiteral("QTDE_ATUAL")).toDouble();
    e.var_VALOR_VENDA = r.value(QStringLiteral("VALOR_VENDA")).toDouble();
    e.var_VALOR_CUSTO = r.value(QStringLiteral("VALOR_DE_CUSTO")).toDouble();
    e.var_REFERENCIA = r.value(QStringLiteral("REFERENCIA")).toString();
    e.var_CODBARRA = r.value(QStringLiteral("CODBARRA")).toString();
    e.var_CDFORNECEDOR_PADRAO = r.value(QStringLiteral("CDFORNECEDOR_PADRAO")).toInt();
    return e;
}

void TModuloDados::GravarEstoque(const QString& vProduto, const QString& vUN, double vQTDE, double vValorVenda,
                                 const QString& vReferencia, const QString& vCodBarras, int vCDFORNECEDOR_PADRAO)
{
    Executar(
        {QStringLiteral("INSERT INTO ESTOQUE"),
         QStringLiteral("(PRODUTO, UN, QTDE_ATUAL, VALOR_VENDA, REFERENCIA, CODBARRA, CDFORNECEDOR_PADRAO)"),
         QStringLiteral("VALUES"),
         QStringLiteral("(:PRODUTO, :UN, :QTDE_ATUAL, :VALOR_VENDA, :REFERENCIA, :CODBARRA, :CDFORNECEDOR_PADRAO)")},
        {{QStringLiteral("PRODUTO"), vProduto},
         {QStringLiteral("UN"), vUN},
         {QStringLiteral("QTDE_ATUAL"), vQTDE},
         {QStringLiteral("VALOR_VENDA"), vValorVenda},
         {QStringLiteral("REFERENCIA"), vReferencia},
         {QStringLiteral("CODBARRA"), vCodBarras},
         {QStringLiteral("CDFORNECEDOR_PADRAO"), vCDFORNECEDOR_PADRAO}});
}

void TModuloDados::AlterarEstoque(int vControle, const QString& vProduto, const QString& vUN, double vQTDE,
                                  double vValor, const QString& vCodBarra, int vCDFORNECEDOR_PADRAO)
{
    Executar({QStringLiteral("UPDATE ESTOQUE"), QStringLiteral("SET PRODUTO = :PRODUTO,"),
              QStringLiteral("    UN = :UN,"), QStringLiteral("    QTDE_ATUAL = :QTDE_ATUAL,"),
              QStringLiteral("    VALOR_VENDA = :VALOR_VENDA,"), QStringLiteral("    CODBARRA = :CODBARRA,"),
              QStringLiteral("    CDFORNECEDOR_PADRAO = :CDFORNECEDOR_PADRAO"),
              QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("PRODUTO"), vProduto},
              {QStringLiteral("UN"), vUN},
              {QStringLiteral("QTDE_ATUAL"), vQTDE},
              {QStringLiteral("VALOR_VENDA"), vValor},
              {QStringLiteral("CODBARRA"), vCodBarra},
              {QStringLiteral("CDFORNECEDOR_PADRAO"), vCDFORNECEDOR_PADRAO},
              {QStringLiteral("CDCONTROLE"), vControle}});
}

void TModuloDados::ExcluirProduto(int VControle)
{
    Executar(
        {QStringLiteral("DELETE FROM ESTOQUE"), QStringLiteral("WHERE"), QStringLiteral("CDCONTROLE = :CDCONTROLE")},
        {{QStringLiteral("CDCONTROLE"), VControle}});
}

void TModuloDados::LancarEntradaEstoque(int vp_CdProduto, double vp_Valor_de_Custo, double vp_Qtde,
                                        const QDate& vp_Data)
{
    Executar({QStringLiteral("INSERT INTO ENTRADA_ESTOQUE(DATA, CDPRODUTO, QTDE, VALOR_DE_CUSTO)"),
              QStringLiteral("VALUES"), QStringLiteral("(:DATA, :CDPRODUTO, :QTDE, :VALOR_DE_CUSTO)")},
             {{QStringLiteral("DATA"), vp_Data},
              {QStringLiteral("CDPRODUTO"), vp_CdProduto},
              {QStringLiteral("QTDE"), vp_Qtde},
              {QStringLiteral("VALOR_DE_CUSTO"), vp_Valor_de_Custo}});
}
