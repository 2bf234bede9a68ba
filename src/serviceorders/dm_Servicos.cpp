// Operações do módulo de dados sobre o catálogo de serviços.
#include "core/u_ModuloDados.h"

void TModuloDados::AbreServicos()
{
    Qry_Servicos->fechar();
    Qry_Servicos->limparParametros();
    Qry_Servicos->setSQL({QStringLiteral("SELECT * FROM SERVICOS"), QStringLiteral("ORDER BY SERVICO")});
    Qry_Servicos->definirTitulo(QStringLiteral("CDCONTROLE"), QStringLiteral("Controle"));
    Qry_Servicos->definirTitulo(QStringLiteral("SERVICO"), QStringLiteral("Serviço"));
    Qry_Servicos->definirTitulo(QStringLiteral("VALOR"), QStringLiteral("Valor"));
    Qry_Servicos->abrir();
}

void TModuloDados::GravarServico(const QString& vServico, double vValor)
{
    Executar({QStringLiteral("INSERT INTO SERVICOS(SERVICO, VALOR)"), QStringLiteral("VALUES(:SERVICO,:VALOR)")},
             {{QStringLiteral("SERVICO"), vServico}, {QStringLiteral("VALOR"), vValor}});
}

void TModuloDados::ExcluirServico(int vCdControle)
{
    Executar({QStringLiteral("DELETE FROM SERVICOS"), QStringLiteral("WHERE"), QStringLiteral("CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("CDCONTROLE"), vCdControle}});
}
