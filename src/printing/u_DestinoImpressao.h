#pragma once
// Saída dos relatórios: PDF, impressora ou visualização na tela.
//
// A impressora e a visualização passam por um ponto único, o destino de impressão (IDestinoImpressao).
// O programa usa o real (QPrinterInfo, QPrinter, QPrintPreviewDialog aberto pelo Dialogos()); os testes
// instalam um TDestinoEmArquivos, que diz quais impressoras "estão instaladas", registra cada trabalho
// (páginas, impressora, cópias, título) e grava o PDF de cada um.
//
// A escolha da impressora fica fora do destino, aqui, igual para todos: o nome pedido se está instalado,
// senão a padrão do sistema, senão a primeira instalada; sem nenhuma instalada, o relatório vai para a tela.
#include <QString>
#include <QStringList>
#include <QVector>

#include "printing/u_Relatorio.h"

class IDestinoImpressao
{
public:
    virtual ~IDestinoImpressao() = default;
    // Nomes das impressoras instaladas, na ordem do sistema.
    virtual QStringList impressorasInstaladas() = 0;
    // Impressora padrão do sistema; vazio quando não há.
    virtual QString impressoraPadrao() = 0;
    // Imprime já na impressora escolhida (uma das instaladas).
    virtual void imprimir(const QVector<TPagina>& paginas, const QString& impressora, int copias,
                          const QString& titulo) = 0;
    // Mostra na tela; 'impressora' é a que a visualização usa se o usuário mandar imprimir (vazio: a padrão).
    virtual void visualizar(const QVector<TPagina>& paginas, const QString& titulo, const QString& impressora) = 0;
};

// O destino em uso (o real, se nenhum outro foi instalado).
IDestinoImpressao& DestinoImpressao();
// Instala outro destino (testes); nullptr volta ao real. Não toma posse.
void InstalarDestinoImpressao(IDestinoImpressao* destino);

// Impressora que recebe o trabalho: 'pedida' se está entre as instaladas (texto exato), senão a padrão
// (se instalada), senão a primeira da lista; vazio só quando não há nenhuma instalada.
QString EscolherImpressora(const QString& pedida, const QStringList& instaladas, const QString& padrao);

// Grava o PDF (cada relatório com o seu papel). false se o arquivo não pôde ser escrito.
bool ImprimirEmPdf(const QVector<TRelatorio>& relatorios, const QString& caminho);
bool ImprimirEmPdf(const QVector<TPagina>& paginas, const QString& caminho, const QString& titulo = QString());

// Imprime direto na impressora 'nomeImpressora' (escolhida por EscolherImpressora). Sem impressora
// instalada, avisa pelo Dialogos() e mostra na tela.
void ImprimirNaImpressora(const QVector<TRelatorio>& relatorios, const QString& nomeImpressora, int copias = 1);

// Visualização na tela, de onde o usuário pode imprimir em 'nomeImpressora' (escolhida da mesma forma).
// A janela de visualização do Qt não troca de papel no meio: num composto de papéis diferentes ela mostra
// todas as páginas no papel da primeira.
void Visualizar(const QVector<TRelatorio>& relatorios, const QString& titulo,
                const QString& nomeImpressora = QString());

// Texto do aviso de quando não há impressora.
QString MensagemSemImpressora();

// Um trabalho registrado pelo TDestinoEmArquivos.
struct TTrabalhoImpressao
{
    bool visualizacao = false; // false: impressão direta
    QString impressora;
    int copias = 1;
    QString titulo;
    QVector<TPagina> paginas;
    QString pdf; // arquivo gravado (vazio sem pasta)

    QVector<TItemImpresso> itens() const { return ItensDe(paginas); }
};

// Destino que não toca impressora nem abre janela: registra os trabalhos e grava cada um em PDF
// na pasta dada (trabalho_1.pdf, trabalho_2.pdf, ...). Serve aos testes de toda impressão.
class TDestinoEmArquivos : public IDestinoImpressao
{
public:
    explicit TDestinoEmArquivos(const QString& pasta = QString()) : m_pasta(pasta) {}

    QStringList instaladas; // o que impressorasInstaladas() devolve
    QString padrao;

    QStringList impressorasInstaladas() override { return instaladas; }
    QString impressoraPadrao() override { return padrao; }
    void imprimir(const QVector<TPagina>& paginas, const QString& impressora, int copias,
                  const QString& titulo) override;
    void visualizar(const QVector<TPagina>& paginas, const QString& titulo, const QString& impressora) override;

    const QVector<TTrabalhoImpressao>& trabalhos() const { return m_trabalhos; }
    void limpar() { m_trabalhos.clear(); }

private:
    void registrar(TTrabalhoImpressao trabalho);

    QString m_pasta;
    QVector<TTrabalhoImpressao> m_trabalhos;
};
