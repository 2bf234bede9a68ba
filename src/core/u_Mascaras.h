#pragma once
// Campos de texto como as telas do programa os usam: máscaras e caixa (maiúsculas/minúsculas).
#include <QString>
#include <functional>

class QLineEdit;
class QComboBox;
class QWidget;

// Máscara no formato do Qt ("(00)99999-9999": 9 obrigatório, 0 opcional), com branco ' ' nas
// posições não digitadas.
void DefinirMascara(QLineEdit* campo, const QString& mascara);
// O texto como o programa o grava e compara: literais mantidos e um branco em cada posição não
// digitada; o campo vazio dá a máscara pura ("   .   .   -  ", "(  )     -    ").
QString TextoComMascara(const QLineEdit* campo);

// O que se digita (ou se põe pelo programa) vira maiúsculas / minúsculas.
enum class TCaixa
{
    Maiusculas,
    Minusculas
};
void DefinirCaixa(QLineEdit* campo, TCaixa caixa);
void DefinirCaixa(QComboBox* lista, TCaixa caixa); // lista editável

// Nenhum dígito no texto: o campo com máscara está vazio (só a máscara pura).
bool SemDigitos(const QString& texto);

// 'acao' roda quando o foco sai do campo para outro controle (tecla, clique, programa); não roda
// quando só a janela perde a ativação (uma caixa de mensagem que se abre, a janela que fecha).
void AoSairDoCampo(QWidget* campo, std::function<void()> acao);

// 'acao' roda a cada Enter no campo, mesmo com a máscara incompleta (o returnPressed do Qt só vem
// com a máscara completa); a tecla segue para o campo.
void AoPressionarEnter(QWidget* campo, std::function<void()> acao);
