#pragma once
// Utilidades de texto, número e documento usadas por várias telas, e a cifra das senhas.
#include <QString>

// Tiram a pontuação das máscaras: todas as ocorrências saem, o resto fica na ordem.
QString TirarTracoValor(const QString& texto);
QString TirarBarraValor(const QString& texto);
QString TirarPontoValor(const QString& texto);

// Confere os dígitos verificadores do CPF (com máscara ddd.ddd.ddd-dd ou onze dígitos).
// Mostra a mensagem do problema e devolve false; máscara vazia devolve false sem mensagem.
bool VerCpf(const QString& cpf);

// Valor por extenso para os recibos (0 a 999.999,99); fora disso mostra aviso e devolve vazio.
QString extenso(double valor);

// Cifra reversível das senhas: Action "C" cifra, "D" decifra (texto hexadecimal).
// Outra ação ou Src vazio devolvem vazio. Decifrar texto que não é hexadecimal, ou de
// um ou dois caracteres, lança EConversao (u_Valores.h).
QString Crypt(const QString& Action, const QString& Src);
// A cifra com o deslocamento inicial dado (0 a 255) em vez do sorteado; Crypt("C") usa esta.
QString CryptComDeslocamento(const QString& Src, int deslocamento);
