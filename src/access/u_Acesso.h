#pragma once
// Peças comuns às telas de acesso.
#include <QString>

// Maior senha que cabe cifrada em USUARIOS.CDSENHA (80 = 2 + 2 por caractere).
constexpr int kTamanhoMaximoSenhaCifrada = 39;

// A cifra só devolve igual o que tem códigos de 1 a 254; fora disso a senha nunca mais
// confere no login. Devolve a mensagem para o usuário, ou vazio quando a senha serve.
QString ProblemaNaSenha(const QString& senha);

// O usuário conectado é o administrador.
bool ConectadoComoAdministrador();
