#pragma once
// Consultas de CEP e de CNPJ nos serviços web, usadas pelos cadastros de cliente, fornecedor e
// empresa. Os endereços base vêm de Config.ini, seção WEBSERVICES, chaves CEP e CNPJ.
// A consulta espera a resposta (com cursor de espera e sem atender o usuário) até o tempo limite.
#include <QHash>
#include <QString>

enum class TSituacaoConsulta
{
    Encontrado,    // 200 com os dados
    NaoEncontrado, // 200 dizendo que o código não existe
    SemResposta,   // outro status HTTP: a tela não mostra nada
    Falhou         // a requisição não chegou ao fim (rede, tempo, TLS) ou a resposta não se lê
};

struct TRespostaConsulta
{
    QString servico; // "CEP" ou "CNPJ"
    TSituacaoConsulta situacao = TSituacaoConsulta::Falhou;
    int status = 0;                  // status HTTP (0 quando não houve resposta)
    QString falha;                   // motivo em português, quando Falhou
    QHash<QString, QString> membros; // membros do objeto JSON, com o nome em maiúsculas

    bool encontrado() const { return situacao == TSituacaoConsulta::Encontrado; }
    // Membro pelo nome, sem diferenciar a caixa; membro que falta na resposta dá texto vazio.
    QString membro(const QString& nome) const;
};

// CEP: GET <base CEP> + cep + "/json", com o texto como veio da tela.
TRespostaConsulta ConsultarCEP(const QString& cep);
// CNPJ: GET <base CNPJ> + o número sem ".", "-" e "/" (LimparCNPJ).
TRespostaConsulta ConsultarCNPJ(const QString& cnpj);
QString LimparCNPJ(const QString& cnpj);

// O que as telas mostram depois da consulta: "CEP não encontrado" / "CNPJ não encontrado", ou o
// motivo da falha; nada para outro status. true só quando há dados para preencher os campos.
bool AvisarResultadoConsulta(const TRespostaConsulta& resposta);

// Como os campos recebem a resposta.
QString EnderecoDoCEP(const TRespostaConsulta& resposta);  // LOGRADOURO + " - " + COMPLEMENTO
QString EnderecoDoCNPJ(const TRespostaConsulta& resposta); // LOGRADOURO + " , " + NUMERO
QString CEPDoCNPJ(const TRespostaConsulta& resposta);      // CEP sem "-" e sem "."
// Dígitos do (primeiro) telefone do CNPJ, para pôr num campo com máscara de telefone.
QString TelefoneDoCNPJ(const TRespostaConsulta& resposta);

// Tempo limite de cada consulta em milissegundos (10 s; os testes encurtam).
void DefinirTempoLimiteConsultas(int milissegundos);
int TempoLimiteConsultas();
