#pragma once
// Catálogo das telas que se abrem de outras (menus da janela principal, atalhos entre telas).
// Cada subsistema registra as suas no próprio .cpp com TRegistroTela; quem abre pede pela chave
// e não precisa conhecer a classe. Entrada de menu cuja tela não está registrada fica desabilitada.
#include <QString>
#include <functional>

class QWidget;

// Abre a tela (em geral de forma modal, pelo Dialogos()). 'pai' é a janela que pediu.
using TAbridorDeTela = std::function<void(QWidget* pai)>;

void RegistrarTela(const QString& chave, TAbridorDeTela abridor);
bool TelaDisponivel(const QString& chave);
// false quando a chave não está registrada.
bool AbrirTela(const QString& chave, QWidget* pai = nullptr);

struct TRegistroTela
{
    TRegistroTela(const char* chave, TAbridorDeTela abridor) { RegistrarTela(QString::fromUtf8(chave), abridor); }
};

// Chaves em uso (uma por tela ou ação aberta de outro lugar):
//   "Clientes", "ParametrosEmpresa", "Estilos", "OrdemServico", "ListaOrdensServico", "Servicos",
//   "CheckListPadrao", "PedidoCompra", "Venda", "ListaVendas", "Produtos", "Fornecedores",
//   "ConfigurarImpressoras", "Relatorios", "Usuarios", "AlterarSenha"
//   "ParametrosEmpresa.PrimeiroInicio": a janela principal chama uma vez, ao aparecer; a função
//   registrada confere EMPRESA, pede os dados se estiver vazia e encerra o programa se continuar.
//   Da janela principal, "PedidoCompra" e "Produtos" abrem como o menu deles (Tag 1) e "Venda"
//   abre com vCDCONTROLE_CLIENTE já zerado.
//   Da ordem de serviço (todas leem o número em vNROS, posto antes de abrir):
//   "Servicos.Escolher" (deixa vServicoSelecionado/vValorServicoSelecionado), "DesenharPIN" (lê e
//   deixa a figura em vImagemPIN), "CheckListEntradaOS" (gera o checklist se faltar e abre),
//   "GerarNovaCheckListOS" (refaz o checklist), "ImprimirOS", "ImprimeRetornoOS"; e
//   "Clientes.Novo" (deixa o código do cliente cadastrado em vCDCONTROLE_CLIENTE),
//   "AtualizaDadosCliente" (celular do cliente vCDCONTROLE_CLIENTE).
//   Clientes: "Clientes.Novo" já abre em modo novo e fecha depois de cadastrar; "Clientes.Selecionar"
//   abre no modo de escolha (Tag 3) e deixa o escolhido em vCDCONTROLE_CLIENTE; o menu da lista
//   de clientes abre "FichaCliente" (ficha do cliente da linha atual de Qry_Clientes).
//   Empresa: fechar a janela dos parâmetros com EMPRESA vazia pede QCoreApplication::exit(0) por
//   chamada enfileirada (vale também antes de app.exec()); quem abriu não precisa fazer nada.
