// Operações do módulo de dados sobre o checklist padrão e o checklist de entrada de cada OS.
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"

void TModuloDados::AbrirCheckList()
{
    Qry_CheckList->fechar();
    Qry_CheckList->limparParametros();
    Qry_CheckList->setSQL({QStringLiteral("SELECT * FROM CHECKLIST_PADRAO ORDER BY DESCRICAO")});
    Qry_CheckList->definirTitulo(QStringLiteral("DESCRICAO"), QStringLiteral("Ítem do ChekList"));
    Qry_CheckList->abrir();
}

void TModuloDados::AbrirCheckList_Entrada_OS(int vNROS)
{
    Qry_CheckLista_Entrada_OS->fechar();
    Qry_CheckLista_Entrada_OS->limparParametros();
    // CHECADO é calculado na leitura: a grade e o recibo mostram "ü" como a marca de conferido;
    // a ordem de geração mantém os pontos na sequência em que foram copiados
    Qry_CheckLista_Entrada_OS->setSQL(
        {QStringLiteral("SELECT C.*,"),
         QStringLiteral("CAST(CASE WHEN C.APROVADO = 'S' THEN CAST(:MARCA AS VARCHAR(1)) ELSE '' END AS VARCHAR(1)) AS CHECADO"),
         QStringLiteral("FROM CHECKLIST_ENTRADA_OS C"), QStringLiteral("WHERE"), QStringLiteral("NROS = :NROS"),
         QStringLiteral("ORDER BY C.CDCONTROLE")});
    Qry_CheckLista_Entrada_OS->setParametro(QStringLiteral("MARCA"), QStringLiteral("ü"));
    Qry_CheckLista_Entrada_OS->setParametro(QStringLiteral("NROS"), vNROS);
    Qry_CheckLista_Entrada_OS->definirTitulo(QStringLiteral("ITEM"), QStringLiteral("Ítem à checar"));
    Qry_CheckLista_Entrada_OS->definirTitulo(QStringLiteral("DATA"), QStringLiteral("Data"));
    Qry_CheckLista_Entrada_OS->definirTitulo(QStringLiteral("FUNCIONARIO"), QStringLiteral("Técnico"));
    Qry_CheckLista_Entrada_OS->definirTitulo(QStringLiteral("CHECADO"), QStringLiteral("Situação"));
    Qry_CheckLista_Entrada_OS->abrir();
}

bool TModuloDados::JaExisteItem(const QString& vItem)
{
    return LerValor({QStringLiteral("SELECT COUNT(*) QT FROM CHECKLIST_PADRAO WHERE DESCRICAO = :DESCRICAO")},
                    {{QStringLiteral("DESCRICAO"), vItem}})
               .toInt() > 0;
}

void TModuloDados::InserirItemCheckList(const QString& vItem)
{
    Executar({QStringLiteral("INSERT INTO CHECKLIST_PADRAO(DESCRICAO) VALUES (:DESCRICAO)")},
             {{QStringLiteral("DESCRICAO"), vItem}});
}

void TModuloDados::ExcluirItemdoCheckList(int vCdControle)
{
    Executar({QStringLiteral("DELETE FROM CHECKLIST_PADRAO"), QStringLiteral("WHERE"),
              QStringLiteral("CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("CDCONTROLE"), vCdControle}});
}

void TModuloDados::GerarCheckList_para_OS(int vNROS)
{
    Executar({QStringLiteral("INSERT INTO CHECKLIST_ENTRADA_OS(NROS, ITEM)"),
              QStringLiteral("SELECT CAST(:NROS AS INTEGER), DESCRICAO FROM CHECKLIST_PADRAO")},
             {{QStringLiteral("NROS"), vNROS}});
    Dialogos().mensagem(QStringLiteral("CheCklist gerado"));
}

void TModuloDados::ExcluirCheckList_da_OS(int vNROS)
{
    Executar({QStringLiteral("DELETE FROM CHECKLIST_ENTRADA_OS"), QStringLiteral("WHERE"), QStringLiteral("NROS = :NROS")},
             {{QStringLiteral("NROS"), vNROS}});
}

void TModuloDados::MarcarConferido(int vCdControle, const QString& vAprovado, const QString& vFuncionario)
{
    const QString aprovado = vAprovado.trimmed();
    const QString novo = (aprovado.isEmpty() || aprovado == QLatin1String("N")) ? QStringLiteral("S") : QString();
    Executar({QStringLiteral("UPDATE CHECKLIST_ENTRADA_OS SET"), QStringLiteral("APROVADO = :APROVADO,"),
              QStringLiteral("DATA = :DATA,"), QStringLiteral("FUNCIONARIO = :FUNCIONARIO"),
              QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("APROVADO"), novo},
              {QStringLiteral("DATA"), Hoje()},
              {QStringLiteral("FUNCIONARIO"), vFuncionario},
              {QStringLiteral("CDCONTROLE"), vCdControle}});
}
