#pragma once
// A sequência de início do programa: estilo, módulo de dados, janela principal escondida,
// login modal e, com login feito, a janela principal e o laço de eventos.
#include <functional>

// 'lacoDeEventos' roda o laço principal até a janela principal fechar (app.exec() no
// programa; os testes passam o seu). Devolve o código de saída do programa.
int IniciarPrograma(const std::function<int()>& lacoDeEventos);
