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
