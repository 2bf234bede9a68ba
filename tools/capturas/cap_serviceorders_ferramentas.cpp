// Capturas da lista de ordens de serviço, do desenho do padrão, do catálogo de serviços e dos checklists.
#include <QLineEdit>

#include "capturas.h"
#include "core/u_Dataset.h"
#include "core/u_Relogio.h"
#include "core/u_Valores.h"
#include "serviceorders/u_CadCheckList.h"
#include "serviceorders/u_CadCheckList_Entrada_OS.h"
#include "serviceorders/u_CadServicos.h"
#include "serviceorders/u_Desenha_PIN.h"
#include "serviceorders/u_ListaOrdensdeServico.h"

namespace {
// Algumas OS dos clientes de demonstração, com uma ou duas linhas de serviço.
void inserirOrdens()
{
    const QStringList marcas{QStringLiteral("SAMSUNG"), QStringLiteral("MOTOROLA"), QStringLiteral("XIAOMI"),
                             QStringLiteral("APPLE")};
    const QVector<QSqlRecord> clientes =
        ModuloDados->LerRegistros({QStringLiteral("SELECT FIRST 4 CDCONTROLE FROM CLIENTES ORDER BY CDCONTROLE")});
    for (int i = 0; i < clientes.size(); ++i) {
        const int nros = 101 + i;
        ModuloDados->GravarServicodaOS(QStringLiteral("TELA QUEBRADA"), QStringLiteral("TROCA DE TELA"), 250 + 40 * i,
                                       QStringLiteral("ADMIN"), nros);
        if (i % 2 == 0)
            ModuloDados->GravarServicodaOS(QStringLiteral("BATERIA VICIADA"), QStringLiteral("TROCA DE BATERIA"), 150,
                                           QStringLiteral("ADMIN"), nros);
        ModuloDados->GravarOS(nros, clientes[i].value(0).toInt(), TextoDeData(Hoje().addDays(-3 * i)),
                              i == 3 ? QStringLiteral("Finalizada") : QStringLiteral("Aberta"), QStringLiteral("C"),
                              marcas[i], QStringLiteral("MODELO %1").arg(i + 1), QStringLiteral("35678901234567%1").arg(i),
                              QString(), "N", "N", "S", "N", "N", "N", "N", "N", "N", "N", 0, QString(), QString(),
                              QString(), QString(), QString(), QStringLiteral("ADMIN"), QString(), QByteArray());
    }
    ModuloDados->Executar({QStringLiteral("UPDATE ORDEM_SERVICO SET RETORNO = 'S' WHERE NROS = 102")});
}
} // namespace

REGISTRAR_CAPTURA(frm_ListaOrdensdeServico)
{
    inserirOrdens();
    auto janela = std::make_unique<Tfrm_ListaOrdensdeServico>();
    ctx.depoisDeMostrar([](QWidget* w) { static_cast<Tfrm_ListaOrdensdeServico*>(w)->edt_DataFinalEnter(); });
    return janela;
}

// Um padrão em "L" desenhado: três traços.
REGISTRAR_CAPTURA(frm_Desenhar_PIN)
{
    auto janela = std::make_unique<Tfrm_Desenhar_PIN>();
    for (const QPoint& p : {QPoint(17, 16), QPoint(15, 75), QPoint(15, 75), QPoint(15, 139), QPoint(15, 139),
                            QPoint(131, 140)})
        janela->CliqueNaFigura(p);
    return janela;
}

REGISTRAR_CAPTURA(frm_CadServicos)
{
    auto janela = std::make_unique<Tfrm_CadServicos>();
    ctx.depoisDeMostrar([](QWidget* w) {
        auto* j = static_cast<Tfrm_CadServicos*>(w);
        j->IMG_NovoClick();
        j->findChild<QLineEdit*>(QStringLiteral("edt_Servico"))->setText(QStringLiteral("TROCA DE ALTO-FALANTE"));
        j->findChild<QLineEdit*>(QStringLiteral("edt_Valor"))->setText(QStringLiteral("95,00"));
    });
    return janela;
}

REGISTRAR_CAPTURA(frm_CheckList)
{
    return std::make_unique<Tfrm_CheckList>();
}

// O checklist de uma OS com alguns pontos já conferidos.
REGISTRAR_CAPTURA(frm_CadChecklist_Entrada_OS)
{
    inserirOrdens();
    ctx.sql(QStringLiteral("INSERT INTO CHECKLIST_ENTRADA_OS (NROS, ITEM) SELECT 101, DESCRICAO FROM CHECKLIST_PADRAO"));
    ctx.sql(QStringLiteral("UPDATE CHECKLIST_ENTRADA_OS SET APROVADO = 'S', DATA = CURRENT_DATE, FUNCIONARIO = 'ADMIN' "
                           "WHERE CDCONTROLE IN (SELECT FIRST 4 CDCONTROLE FROM CHECKLIST_ENTRADA_OS ORDER BY CDCONTROLE)"));
    ModuloDados->AbrirCheckList_Entrada_OS(101);
    auto janela = std::make_unique<Tfrm_CadChecklist_Entrada_OS>(101);
    const TOrdemServico os = ModuloDados->FOrdemServico(101);
    janela->MostrarAparelho(os.fMARCA, os.fMODELO);
    return janela;
}
