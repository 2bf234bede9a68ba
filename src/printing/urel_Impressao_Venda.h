#pragma once
// Cupom da venda (79,9 x 196,3 mm).
#include <QSqlRecord>
#include <QVector>

#include "core/u_ModuloDados.h"
#include "printing/u_Relatorio.h"

// 'linhas': as de V_IMPRESSAO_VENDA da venda; 'formaPagamento' a da venda (FVenda);
// 'logo' o caminho da figura (vazio: sem logo).
TRelatorio RelatorioVenda(const QVector<QSqlRecord>& linhas, const TEmpresa& empresa,
                          const QString& formaPagamento, const QString& logo);
