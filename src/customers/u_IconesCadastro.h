#pragma once
// Figuras dos botões das telas de cadastro (novo, salvar, excluir, buscar, cancelar), desenhadas
// no próprio programa para não depender de arquivos ao lado do executável.
#include <QIcon>
#include <QString>

// nome: "novo", "salvar", "excluir", "buscar", "cancelar"
QIcon IconeCadastro(const QString& nome);
