<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Calculation</name>
    <message>
        <source>The final state belongs to another project:</source>
        <translation>O estado final pertence a outro projeto:</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start this project anew.</source>
        <translation>Responda SIM a “Sobrescrever” para recomeçar este projeto.</translation>
    </message>
    <message>
        <source>Its last frame: t = %1; the final state: t = %2.</source>
        <translation>Seu último quadro: t = %1; o estado final: t = %2.</translation>
    </message>
    <message>
        <source>The trajectory goes on past the final state.</source>
        <translation>A trajetória vai além do estado final.</translation>
    </message>
    <message>
        <source>Nothing was appended: new frames would go back in time.</source>
        <translation>Nada foi acrescentado: novos quadros voltariam no tempo.</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start afresh.</source>
        <translation>Responda SIM a “Sobrescrever” para começar do zero.</translation>
    </message>
    <message>
        <source>The calculation cannot go on from the files.</source>
        <translation>O cálculo não pode continuar a partir dos arquivos.</translation>
    </message>
    <message>
        <source>There is no final state to continue from:</source>
        <translation>Não há estado final de onde continuar:</translation>
    </message>
    <message>
        <source>The calculation goes on from the particles as they are now.</source>
        <translation>O cálculo continua das partículas como estão agora.</translation>
    </message>
    <message>
        <source>The trajectory was brought in line with the final state:</source>
        <translation>A trajetória foi ajustada ao estado final:</translation>
    </message>
    <message>
        <source>The readings were brought in line with the trajectory:</source>
        <translation>As medidas foram ajustadas à trajetória:</translation>
    </message>
    <message>
        <source>The calculation stopped at time %1.</source>
        <translation>O cálculo parou no tempo %1.</translation>
    </message>
    <message>
        <source>Choose a smaller step in &quot;Advanced setup&quot;.</source>
        <translation>Escolha um passo menor em “Ajustes avançados”.</translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation>Escolha um amortecimento ou passo menor em “Ajustes avançados”.</translation>
    </message>
    <message>
        <source>Give type %1 a larger mass in &quot;Show/Edit project&quot;.</source>
        <translation>Dê ao tipo %1 uma massa maior em “Ver/editar projeto”.</translation>
    </message>
    <message>
        <source>The motion became unstable: %1.</source>
        <translation>O movimento ficou instável: %1.</translation>
    </message>
    <message>
        <source>The files keep every frame written before.</source>
        <translation>Os arquivos guardam todos os quadros já escritos.</translation>
    </message>
    <message>
        <source>The calculation cannot start:</source>
        <translation>O cálculo não pode começar:</translation>
    </message>
    <message>
        <source>Wait until the other calculation ends, or stop it.</source>
        <translation>Espere o outro cálculo terminar, ou pare-o.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Overwrite old trajectory file ?</source>
        <translation>Sobrescrever o arquivo de trajetória antigo?</translation>
    </message>
    <message>
        <source>Append to old trajectory file ?</source>
        <translation>Acrescentar ao arquivo de trajetória antigo?</translation>
    </message>
    <message>
        <source>Paused: click or press a key on the main window to go on</source>
        <translation>Pausa: clique ou tecla na janela principal continua</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Parado: clique para voltar ao menu</translation>
    </message>
    <message>
        <source>This project cannot be calculated:</source>
        <translation>Este projeto não pode ser calculado:</translation>
    </message>
    <message>
        <source>The calculation cannot start; see &quot;Advanced setup&quot;.</source>
        <translation>O cálculo não pode começar; veja “Ajustes avançados”.</translation>
    </message>
    <message>
        <source>The calculation stopped; the files keep what was written.</source>
        <translation>O cálculo parou; os arquivos guardam o que foi escrito.</translation>
    </message>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Cálculo de %n partícula</numerusform>
            <numerusform>Cálculo de %n partículas</numerusform>
        </translation>
    </message>
    <message>
        <source>t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per particle   bath x %5</source>
        <translation>t = %1   quadros %2   %3 passos/s   Ec média %4 por partícula   banho x %5</translation>
    </message>
    <message>
        <source>%1 is for other types or damaged.</source>
        <translation>%1 é de outros tipos ou está danificado.</translation>
    </message>
    <message>
        <source>There are no readings: %1 is missing.</source>
        <translation>Não há medidas: falta %1.</translation>
    </message>
    <message>
        <source>the frame of the final state (t = %1) was missing and was added</source>
        <translation>o quadro do estado final (t = %1) faltava e foi acrescentado</translation>
    </message>
    <message>
        <source>the frame cut short at line %1 was left out</source>
        <translation>o quadro interrompido na linha %1 foi omitido</translation>
    </message>
    <message>
        <source>the damping %1 is too large for the integration step %2</source>
        <translation>o amortecimento %1 é grande demais para o passo de integração %2</translation>
    </message>
    <message>
        <source>the mass of type %1 (%2) is too small for the integration step %3</source>
        <translation>a massa do tipo %1 (%2) é pequena demais para o passo de integração %3</translation>
    </message>
    <message>
        <source>the integration step %1 is too large for these forces</source>
        <translation>o passo de integração %1 é grande demais para estas forças</translation>
    </message>
    <message>
        <source>%1, with the bath at %2 times the setup&apos;s</source>
        <translation>%1, com o banho a %2 vezes o ajuste</translation>
    </message>
    <message>
        <source>The calculation cannot start.</source>
        <translation>O cálculo não pode começar.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Up, Down, Tab, Shift+Tab</source>
        <translation>Cima, Baixo, Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>move the focus frame along the menu&apos;s enabled items</source>
        <translation>move a moldura pelos itens ativos do menu</translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation>Enter ou Espaço</translation>
    </message>
    <message>
        <source>choose the item in the frame</source>
        <translation>escolhe o item na moldura</translation>
    </message>
    <message>
        <source>Y or Enter / N</source>
        <translation>S, Y ou Enter / N</translation>
    </message>
    <message>
        <source>answer a question YES / NO</source>
        <translation>responde SIM / NÃO a uma pergunta</translation>
    </message>
    <message>
        <source>Left, Right (then Enter or Space)</source>
        <translation>Esq., Dir. (depois Enter)</translation>
    </message>
    <message>
        <source>move the frame between YES and NO (and answer)</source>
        <translation>move a moldura entre SIM e NÃO (e responde)</translation>
    </message>
    <message>
        <source>any key</source>
        <translation>qualquer tecla</translation>
    </message>
    <message>
        <source>goes on from the cover, a note or a graph</source>
        <translation>segue após a capa, um aviso ou um gráfico</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>move through an editor&apos;s fields and buttons in reading order</source>
        <translation>percorre campos e botões de um editor na ordem de leitura</translation>
    </message>
    <message>
        <source>Enter (in a field)</source>
        <translation>Enter (num campo)</translation>
    </message>
    <message>
        <source>the box&apos;s OK (Done, Particle type OK ?, Ready, done)</source>
        <translation>o OK da caixa (Feito, Tipo de partícula OK ?, Pronto, feito)</translation>
    </message>
    <message>
        <source>Space or Enter (on a button)</source>
        <translation>Espaço ou Enter (num botão)</translation>
    </message>
    <message>
        <source>presses it</source>
        <translation>aperta o botão</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 ou ?</translation>
    </message>
    <message>
        <source>the keyboard help</source>
        <translation>a ajuda do teclado</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>encerra o programa</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Esquerda, Direita</translation>
    </message>
    <message>
        <source>Horizontal angle, one way or the other, while held</source>
        <translation>Ângulo horizontal, num sentido ou noutro, enquanto pressionada</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Cima, Baixo</translation>
    </message>
    <message>
        <source>Vertical angle, one way or the other, while held</source>
        <translation>Ângulo vertical, num sentido ou no outro, enquanto pressionada</translation>
    </message>
    <message>
        <source>+ or Page Up</source>
        <translation>+ ou Page Up</translation>
    </message>
    <message>
        <source>Zoom nearer, while held</source>
        <translation>Aproxima, enquanto pressionada</translation>
    </message>
    <message>
        <source>- or Page Down</source>
        <translation>- ou Page Down</translation>
    </message>
    <message>
        <source>Zoom away, while held</source>
        <translation>Afasta, enquanto pressionada</translation>
    </message>
    <message>
        <source>Home or O</source>
        <translation>Home ou O</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Ângulo inicial</translation>
    </message>
    <message>
        <source>P or Space</source>
        <translation>P ou Espaço</translation>
    </message>
    <message>
        <source>pause (the buttons still turn and zoom) and go on</source>
        <translation>pausa (os botões ainda giram e aproximam) e continua</translation>
    </message>
    <message>
        <source>End or T</source>
        <translation>End ou T</translation>
    </message>
    <message>
        <source>Stop, or Terminate</source>
        <translation>Parar, ou Encerrar</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>once stopped: back to the menu, as a click</source>
        <translation>após parar: volta ao menu, como um clique</translation>
    </message>
    <message>
        <source>Tab, then Space or Enter</source>
        <translation>Tab, depois Enter</translation>
    </message>
    <message>
        <source>the button with the focus, as a click</source>
        <translation>o botão com o foco, como um clique (também Espaço)</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>a longer description of the picture</source>
        <translation>uma descrição mais longa da imagem</translation>
    </message>
    <message>
        <source>G, S, R</source>
        <translation>G, S, R</translation>
    </message>
    <message>
        <source>the Readings window, save the picture, record a movie</source>
        <translation>a janela das medidas, salvar a imagem, gravar um vídeo</translation>
    </message>
    <message>
        <source>H, C, B</source>
        <translation>H, C, B</translation>
    </message>
    <message>
        <source>Calculate: kicks 1.25 x stronger, weaker, back to the setup&apos;s bath</source>
        <translation>Calcular: choques 1,25 vez mais fortes, mais fracos, banho ajustado</translation>
    </message>
    <message>
        <source>the keyboard help of the view; again to close it</source>
        <translation>a ajuda do teclado da vista; de novo para fechar</translation>
    </message>
    <message>
        <source>closes that help, or ends a recording</source>
        <translation>fecha essa ajuda ou encerra uma gravação</translation>
    </message>
    <message>
        <source>Keys (any key or a click closes this help)</source>
        <translation>Teclas (uma tecla ou um clique fecha esta ajuda)</translation>
    </message>
    <message>
        <source>Keys of this window</source>
        <translation>Teclas desta janela</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed.</source>
        <translation>A trajetória não pode ser reproduzida.</translation>
    </message>
    <message>
        <source>Final state reached</source>
        <translation>Estado final alcançado</translation>
    </message>
    <message>
        <source>%1: the frame cut short at line %2 was left out</source>
        <translation>%1: o quadro interrompido na linha %2 foi omitido</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Estado final alcançado, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Parado em %1</translation>
    </message>
    <message>
        <source>Final state reached: click to return</source>
        <translation>Estado final alcançado: clique para voltar</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Parado: clique para voltar ao menu</translation>
    </message>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>Histórico de %n partícula</numerusform>
            <numerusform>Histórico de %n partículas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   quadro %2</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed further.</source>
        <translation>A trajetória não pode ser reproduzida adiante.</translation>
    </message>
    <message>
        <source>The final state cannot be shown.</source>
        <translation>O estado final não pode ser mostrado.</translation>
    </message>
    <message numerus="yes">
        <source>Final state at %1, %n particles</source>
        <translation>
            <numerusform>Estado final em %1, %n partícula</numerusform>
            <numerusform>Estado final em %1, %n partículas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Variable does not change</source>
        <translation>A grandeza não varia</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, linha %2</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message numerus="yes">
        <source>Run of %n particles brought back from LAMMPS</source>
        <translation>
            <numerusform>Simulação de %n partícula trazida do LAMMPS</numerusform>
            <numerusform>Simulação de %n partículas trazida do LAMMPS</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   quadro %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Estado final alcançado, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Parado em %1</translation>
    </message>
    <message>
        <source>no frame</source>
        <translation>nenhum quadro</translation>
    </message>
    <message>
        <source>Final state reached: click to end</source>
        <translation>Estado final alcançado: clique para terminar</translation>
    </message>
    <message>
        <source>Stopped: click to end</source>
        <translation>Parado: clique para terminar</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Terminate</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Ângulo horizontal</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Ângulo vertical</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Ângulo inicial</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Simulation run</source>
        <translation>Simulação em andamento</translation>
    </message>
    <message>
        <source>Paused: P or Space goes on</source>
        <translation>Pausa: P/Espaço continua</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Vídeo: %n quadro</numerusform>
            <numerusform>Vídeo: %n quadros</numerusform>
        </translation>
    </message>
    <message>
        <source>the view shows no picture</source>
        <translation>a vista não mostra imagem</translation>
    </message>
    <message>
        <source>Picture saved as %1</source>
        <translation>Imagem salva como %1</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>A imagem não foi salva: %1</translation>
    </message>
    <message>
        <source>The view is not recorded: %1</source>
        <translation>A vista não é gravada: %1</translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Vídeo salvo como %1 (%n quadro)</numerusform>
            <numerusform>Vídeo salvo como %1 (%n quadros)</numerusform>
        </translation>
    </message>
    <message>
        <source>The movie was not saved: %1</source>
        <translation>O vídeo não foi salvo: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1</source>
        <translation>A gravação parou: %1</translation>
    </message>
    <message>
        <source>nothing was recorded (the view drew no picture meanwhile), so no file was written</source>
        <translation>nada foi gravado (a vista não desenhou nenhuma imagem nesse meio-tempo), então nenhum arquivo foi escrito</translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>No particles are shown.</source>
        <translation>Nenhuma partícula é mostrada.</translation>
    </message>
    <message>
        <source>%1 of type %2 (mass %3)</source>
        <translation>%1 do tipo %2 (massa %3)</translation>
    </message>
    <message>
        <source>The types are separated: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Os tipos estão separados: os centros dos tipos %1 e %2 distam %3.</translation>
    </message>
    <message>
        <source>The types are mixed: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Os tipos estão misturados: os centros dos tipos %1 e %2 distam %3.</translation>
    </message>
    <message>
        <source>paused, P goes on</source>
        <translation>em pausa, P continua</translation>
    </message>
    <message>
        <source>advancing, End or T stops</source>
        <translation>avançando, End ou T para</translation>
    </message>
    <message>
        <source>paused, a click or key on the main window goes on</source>
        <translation>em pausa, um clique ou tecla na janela principal continua</translation>
    </message>
    <message>
        <source>the picture stays, End or T terminates</source>
        <translation>a imagem fica, End ou T encerra</translation>
    </message>
    <message>
        <source>waiting, Enter or a click returns to the menu</source>
        <translation>aguardando, Enter ou um clique volta ao menu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message numerus="yes">
        <source>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</source>
        <translation>
            <numerusform>%1 partículas de %n tipo: %2. Raio de giração %3 num cubo de meia aresta %4.</numerusform>
            <numerusform>%1 partículas de %n tipos: %2. Raio de giração %3 num cubo de meia aresta %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>recording, %n frames</source>
        <translation>
            <numerusform>gravando, %n quadro</numerusform>
            <numerusform>gravando, %n quadros</numerusform>
        </translation>
    </message>
</context>
</TS>
