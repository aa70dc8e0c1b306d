<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Cristal iônico 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Colapso gravitacional</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Cargas se repelem</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Núcleo e casca</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plasma de cinco tipos</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Vitrine: 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Cristal de sal (demo)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>Novo projeto</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Abrir projeto</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Ver/editar projeto</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Ver histórico</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Ver estado final</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Ver/definir forças</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Configuração avançada</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Ajuda/Manual</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Simulação molecular</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Clique para continuar</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Salvando o projeto</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>Não foi possível ler o arquivo de configuração; valem os valores padrão.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>Não foi possível abrir o projeto.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>Este projeto ainda não tem arquivo.
Salve-o primeiro com “Salvar como”: o cálculo grava
sua trajetória e seu estado final ao lado do arquivo do projeto.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>Nenhum visualizador pôde ser iniciado para o manual.
Abra-o em um navegador: é o arquivo
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>ainda não disponível</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>Salvar o projeto com os novos coeficientes de força?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>Salvar os novos coeficientes de força?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>Não foi possível salvar o projeto.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>O programa não conseguiu reiniciar.
Escolha um item de novo, ou inicie-o manualmente.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>Você não pode recalcular, salvar ou sobrescrever este arquivo.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Arquivo do projeto: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Salve o arquivo com outro nome e tente de novo.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 pertence ao projeto %2,
que não está na mesma pasta.
Coloque o projeto ao lado de seus arquivos,
ou abra outro pelo menu.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>Não foi possível criar a pasta de trabalho:</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>O programa trabalha em %1</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1. %2</source>
        <extracomment>The cover read aloud: its title, then what to do.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Zentova - Project : %1   File %2</source>
        <translation>Zentova - Projeto: %1   Arquivo %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Arquivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n tipo de partícula</numerusform>
            <numerusform>%n tipos de partículas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n partícula no total</numerusform>
            <numerusform>%n partículas no total</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Coeficientes de força:</translation>
    </message>
    <message>
        <source>Type %1 (%2)</source>
        <translation>Tipo %1 (%2)</translation>
    </message>
    <message>
        <source>Mass %1  charge %2</source>
        <extracomment>The panel holds about 185 pixels: &quot;Mass 200.500 charge 2&quot; just fits; a translation too long may use the symbols (&quot;m = %1 q = %2&quot;).</extracomment>
        <translation>Massa %1  carga %2</translation>
    </message>
</context>
</TS>
