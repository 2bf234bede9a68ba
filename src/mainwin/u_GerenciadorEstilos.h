#pragma once
// Estilos visuais do programa: o estilo padrão do sistema e os temas que o programa traz
// (uma paleta com nome sobre o Fusion), listados e aplicados pelo nome.
#include <QPalette>
#include <QStringList>
#include <stdexcept>

// Nome que nenhum estilo tem; what() traz "Style 'nome' not found".
struct EEstiloNaoEncontrado : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

class TGerenciadorEstilos
{
public:
    // Nome do estilo padrão do sistema (o primeiro da lista).
    static QString NomeEstiloSistema();
    // Todos os nomes, na ordem da janela de estilos: o do sistema e depois os temas.
    static QStringList NomesDosEstilos();
    static bool Existe(const QString& nome);
    // Aplica em todo o programa; nome desconhecido lança EEstiloNaoEncontrado e nada muda.
    // Reaplicar o estilo que já está em uso não faz nada (é chamado a cada ativação de janela).
    static void Aplicar(const QString& nome);
    // Nome do estilo em uso (vazio antes do primeiro Aplicar).
    static QString Ativo();
    // Paleta de um tema (a do sistema para o estilo padrão); desconhecido lança EEstiloNaoEncontrado.
    static QPalette Paleta(const QString& nome);
};
