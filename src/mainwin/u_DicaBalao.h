#pragma once
// Dicas do programa em balão: fundo vermelho, moldura escura, texto branco de 19 pixels,
// no máximo 180 pixels de largura; aparecem quando o ponteiro descansa 600 ms (atraso do estilo).
class QWidget;
class QLabel;

// Instala as dicas em balão para todo o programa (pode ser chamada mais de uma vez).
void InstalarDicasBalao();
// O balão em uso (para os testes): nulo antes da primeira dica.
QLabel* BalaoDica();
