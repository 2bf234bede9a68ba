#pragma once
// Registro das classes de teste: cada programa de teste (um por subsistema) roda todas as
// classes registradas nos seus arquivos, com o main comum de main_testes.cpp.
#include <QObject>
#include <QtTest>
#include <functional>
#include <vector>

#include "support/ambiente_teste.h"
#include "support/fake_dialogos.h"

namespace suporte {
using FabricaDeTeste = std::function<QObject*()>;
std::vector<std::pair<const char*, FabricaDeTeste>>& testesRegistrados();
struct Registro
{
    Registro(const char* nome, FabricaDeTeste fabrica) { testesRegistrados().emplace_back(nome, std::move(fabrica)); }
};
} // namespace suporte

#define REGISTRAR_TESTE(Classe) static suporte::Registro registro_##Classe(#Classe, [] { return new Classe; });
