// Capturas do cadastro de clientes, da troca do celular e dos dados da empresa.
#include <QFileInfo>
#include <QLineEdit>
#include <QTableView>

#include "capturas.h"
#include "company/u_CadParametrosdaEmpresa.h"
#include "customers/u_AtualizaDadosCliente.h"
#include "customers/u_CadCliente.h"

// Um cliente carregado para alterar (duplo clique na lista cheia).
REGISTRAR_CAPTURA(frm_CadCliente)
{
    auto janela = std::make_unique<Tfrm_CadCliente>();
    ctx.depoisDeMostrar([](QWidget* w) {
        ModuloDados->AbreClientes();
        ModuloDados->Qry_Clientes->localizar(QStringLiteral("NOME"), QStringLiteral("MARIA APARECIDA SOUZA"));
        auto* grade = w->findChild<QTableView*>(QStringLiteral("dbg_ListaDeClientes"));
        emit grade->doubleClicked(grade->currentIndex());
    });
    return janela;
}

// A abertura com a busca pelo nome "SILVA".
REGISTRAR_CAPTURA(frm_CadCliente_Busca)
{
    auto janela = std::make_unique<Tfrm_CadCliente>();
    janela->findChild<QLineEdit*>(QStringLiteral("edt_Nome"))->setText(QStringLiteral("SILVA"));
    ModuloDados->BuscarCliente(QStringLiteral("SILVA"));
    return janela;
}

REGISTRAR_CAPTURA(frm_AtualizaDadosCliente)
{
    auto janela = std::make_unique<Tfrm_AtualizaDadosCliente>();
    janela->setNome(QStringLiteral("ANA PAULA FERREIRA"));
    janela->setCelular(QStringLiteral("(11)95432-1098"));
    return janela;
}

// Os dados da empresa de demonstração, com o logo da pasta do programa quando houver.
REGISTRAR_CAPTURA(frm_CadParametrosdaEmpresa)
{
    const QString logo = ctx.pastaAplicacao + QStringLiteral("logo.png");
    if (QFileInfo::exists(logo))
        ctx.sql(QStringLiteral("UPDATE EMPRESA SET LOGO = :LOGO"), {{QStringLiteral("LOGO"), logo}});
    return std::make_unique<Tfrm_CadParametrosdaEmpresa>();
}
