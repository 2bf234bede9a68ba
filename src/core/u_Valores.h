#pragma once
// Um só jeito de mostrar e de ler dinheiro, quantidades e datas em todo o programa.
#include <QDate>
#include <QString>
#include <QVector>
#include <stdexcept>

// Erro de conversão de um texto digitado (valor, data); a mensagem já está em português.
struct EConversao : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Dinheiro e quantidades no padrão "#,#0.00" do locale padrão (pt_BR: 1.234,50).
QString FormatarValor(double valor);
// O valor em centavos, arredondado como se lê em decimal (metades para longe do zero: 2,675 -> 268).
qint64 EmCentavos(double valor);

// Lê o que o programa mostra ou o usuário digita: "1.234,50", "1234,50", "2,5", "-3", " 10 ".
// Recusa o ponto como separador decimal num locale de vírgula ("2.5"), letras e texto vazio.
bool LerValor(const QString& texto, double& valor);
// Como LerValor, mas lança EConversao com "'texto' não é um valor válido".
double ValorDeTexto(const QString& texto);

// Datas da tela (dd/MM/yyyy). DataDeTexto lança EConversao para texto inválido ou máscara vazia.
QDate DataDeTexto(const QString& texto);
bool DataValida(const QString& texto);
QString TextoDeData(const QDate& data); // data nula: texto vazio

// Confere um texto destinado ao banco (WIN1252, tamanho da coluna). Devolve a mensagem para o
// usuário, ou texto vazio quando está tudo certo. 'campo' é o nome mostrado na mensagem.
QString ProblemaNoTexto(const QString& texto, int tamanhoMaximo, const QString& campo);
bool CabeEmWin1252(const QString& texto);

class QWidget;
// Um texto de tela a conferir com ProblemaNoTexto; 'foco' recebe o foco quando ele é recusado.
struct TTextoConferido
{
    QString texto;
    int tamanhoMaximo;
    QString campo;
    QWidget* foco = nullptr;
};
// Confere os textos na ordem. No primeiro problema mostra a mensagem (com 'prefixo' antes),
// põe o foco no campo dele e devolve false.
bool TextosAceitos(const QVector<TTextoConferido>& textos, const QString& prefixo = QString());
