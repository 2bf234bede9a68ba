// Impressões do módulo de dados: leem Impressora.ini a cada chamada e mandam o relatório
// para a impressora da finalidade (ou a padrão do sistema) ou para a tela.
#include <QSqlRecord>

#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "printing/u_DestinoImpressao.h"
#include "printing/u_ListaImpressoras.h"
#include "printing/urel_Impressao_Venda.h"

namespace
{
// Preview_na_Venda: só "SIM" exato abre a visualização.
void ImprimirOuVisualizar(const TRelatorio& rel, const QString& preview, const QString& impressora,
                          const QString& titulo)
{
    if (preview == QStringLiteral("SIM"))
        Visualizar({rel}, titulo, impressora);
    else
        ImprimirNaImpressora({rel}, impressora);
}
} // namespace

void TModuloDados::ImprimeVenda(int NRVENDA)
{
    const QString impressora = ImpressoraDaFinalidade(QStringLiteral("IMPRESSORA_VENDAS"));
    const QVector<QSqlRecord> linhas =
        LerRegistros({QStringLiteral("SELECT * FROM V_IMPRESSAO_VENDA WHERE NRVENDA = :NRVENDA")},
                     {{QStringLiteral("NRVENDA"), NRVENDA}});
    if (linhas.isEmpty()) {
        // sem linhas não há cupom: uma folha só com o rodapé enganaria o cliente
        Dialogos().mensagem(QStringLiteral("Venda não encontrada"));
        return;
    }
    const TVenda venda = FVenda(linhas.first().value(QStringLiteral("CDCONTROLE")).toInt());
    const TRelatorio rel = RelatorioVenda(linhas, FEmpresa(), venda.var_FORMA_PAGAMENTO, Logo());
    ImprimirOuVisualizar(rel, vp_Preview_Venda, impressora, QStringLiteral("Venda"));
}

// Quem pede põe o número em vNRVENDA_Impressao antes de abrir.
static TRegistroTela g_telaImprimeVenda("ImprimeVenda",
                                        [](QWidget*) { ModuloDados->ImprimeVenda(ModuloDados->vNRVENDA_Impressao); });
