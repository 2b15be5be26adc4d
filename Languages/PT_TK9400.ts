<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Informação GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Hora</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Latitude</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Longitude</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Qualidade</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Medição de distância</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Posição de referência</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Posição atual</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Distância</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informação de satélites</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satélites</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Direção</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Altitude</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Velocidade</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informação de satélites</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Mudar formato de coordenadas</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Mostrar dados NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Mostrar posição GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Definir posição de referência</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Iniciar monitorização</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Parar monitorização e acertar o relógio</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Apagar dados</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Para esta medição tem de
ligar um sensor H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Definir nível de referência</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Gama</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume dos auscultadores</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Alemão</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francês</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Espanhol</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Chinês</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Checo</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Húngaro</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Russo</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Esloveno</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japonês</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Polaco</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Português</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Romeno</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Eslovaco</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Sueco</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finlandês</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Dinamarquês</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norueguês</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Búlgaro</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Croata</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Coreano</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Sérvio</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turco</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Inglês</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página seguinte</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Ajustar filtro</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume dos auscultadores</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganho do microfone</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Reproduzir gravação</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Parar reprodução</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Ganho dos auscultadores</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Guardado sem som.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Tempo de análise</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Escala automática</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Mais definições</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganho do microfone</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume dos auscultadores</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ajustar filtro</translation>
        </message>
        <message>
            <source>10 min</source>
            <translation>10 min</translation>
        </message>
        <message>
            <source>30 min</source>
            <translation>30 min</translation>
        </message>
        <message>
            <source>3 min</source>
            <translation>3 min</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>Histogram</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Sensor H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Nível</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Gestão</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Longa duração</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Localizar tubo</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Medições</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Atualizar</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Definições</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Editar medição</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtrar medições</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página seguinte</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erro</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Não foi possível mudar o nome da medição.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Não foi possível apagar a medição.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>A medição foi retirada da lista.
Alguns dos seus ficheiros serão apagados ao guardar a próxima medição.</translation>
        </message>
    </context>
    <context>
        <name>Pinpointing</name>
        <message>
            <source>LIN</source>
            <translation>LIN</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Escala automática</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Apagar último nível</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Mais definições</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ajustar filtro</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganho do microfone</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume dos auscultadores</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Reproduzir áudio</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Parar reprodução</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Reproduzir posição seguinte</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Guardado sem o som
do ponto %1.</numerusform>
                <numerusform>Guardado sem o som
dos pontos %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ajustar filtro</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganho do microfone</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume dos auscultadores</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Definir nível de referência</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Gama</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume dos auscultadores</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>MÁX = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>MÍN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>MÉD = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>ATU = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Berlim</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Captura de ecrã</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Medição de nível</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Medição de longa duração</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Sensor H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Localização de tubos</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nunca</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página seguinte</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Silêncio</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Proteção auditiva</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Personalizar</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>valores diferentes</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Auscultadores emparelhados</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Microfone emparelhado</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brilho</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Poupança de energia</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Tecla favorita</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informação do sistema</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Repor</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Hora</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Fuso horário</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Hora de verão/inverno</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Interruptor</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Botão de pressão</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Ativo</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inativo</translation>
        </message>
        <message>
            <source>low</source>
            <translation>baixo</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>médio</translation>
        </message>
        <message>
            <source>high</source>
            <translation>alto</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Hora de verão</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Hora de inverno</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erro</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Não foi possível guardar a definição.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Sim</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Não</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation>Configuração do microfone</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Tipo de sensor</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Ganho</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Estado da bateria</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Versão de firmware</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Versão de hardware</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Silêncio</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Nome Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>ID Bluetooth</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Ler novamente</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>sem sensor</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>desconhecido</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Bateria quase descarregada. Carregue-a.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>O sensor não foi detetado.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>A bateria do QJ-5 está quase descarregada.
Carregue-a.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Tipo de sensor não detetado.
Fixe o sensor ou limpe os contactos.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Procurar dispositivos Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Dispositivos Bluetooth encontrados</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Ative o modo de emparelhamento
e prima o botão Procurar.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>A procurar</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>desconhecido</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Selecione o dispositivo a emparelhar.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nenhum dispositivo encontrado.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>A emparelhar dispositivo</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Falha no emparelhamento. Tente novamente.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Medição de nível</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Mostrar nível de pico</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Cor da frequência na barra de nível</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Mostrar espetro de frequência</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Mostrar valor da frequência</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Mostrar parâmetros do filtro</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Escala dinâmica</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Medição de longa duração</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Mostrar grelha</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Medição H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Mostrar histograma</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Mostrar gama de trabalho</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Localização de tubos</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Ao ligar</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Iniciar com o favorito</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Iniciar com filtros ativos</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página seguinte</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Dia</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mês</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Ano</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Manual</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Hora</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minuto</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Segundo</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Data inválida</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Esta data não existe. Corrija-a.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brilho</translation>
        </message>
        <message>
            <source>high</source>
            <translation>alto</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>médio</translation>
        </message>
        <message>
            <source>low</source>
            <translation>baixo</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Proteção auditiva</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Ativo</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inativo</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Ajustar volume dos auscultadores</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Atenção! Risco de choque acústico.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>O volume máximo será limitado.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Ecrã desligado</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Desligar</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nunca</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Repor o estado de fábrica.
Todas as definições (p. ex. idioma,
dispositivos Bluetooth emparelhados) serão repostas.
As medições guardadas não serão apagadas.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Repor</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Repor mesmo todas as definições?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Modo da tecla de silêncio</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Interruptor</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Botão de pressão</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Hora de verão/inverno</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Hora de verão</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Hora de inverno</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Ilhas Midway</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Havai</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alasca</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacífico</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation>Arizona</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation>Chicago</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation>Nova Iorque</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Manaus</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Terra Nova</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Gronelândia</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Atlântico central</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Açores</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Londres</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlim</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Cairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moscovo</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teerão</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu Dhabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Cabul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Islamabade</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Nova Deli</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Katmandu</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Novosibirsk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Rangum</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>Banguecoque</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>Hong Kong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Tóquio</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Darwin</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Sydney</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Magadan</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Fiji</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informação do sistema</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Versão de firmware</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Número de série</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>ID Bluetooth TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>ID Bluetooth RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Versão de hardware</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Sistema operativo</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Bateria</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>desconhecido</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Ligue o TKR 9400 ao PC
e prima o botão Conectar.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Conectar</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Desconectar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Não foi possível montar a memória de dados.
Reinicie o aparelho.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erro</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>A memória de dados está em uso.
Tente novamente.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Erro</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Número máximo de medições atingido.
A medição não será guardada.
Apague medições antigas.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Número de medições perto do limite.
Apague medições antigas.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Não foi possível guardar a medição.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Para esta medição tem de
ligar um sensor acústico.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Nota</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Sem ligação Bluetooth.
Verifique o QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganho do microfone</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume dos auscultadores</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Ajuste automático do filtro</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Sem filtro</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Atenção! Risco de choque acústico.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Atenção!
Volumes elevados podem danificar a audição.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Ligue o TKR 9400 ao PC
e prima o botão Conectar.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Conectar</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Desconectar</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Atualizar o firmware</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Firmware atual</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Firmware novo</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>A transferir firmware</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Estado</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>A atualizar aparelho</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Aguarde o reinício.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Ligue o TKR 9400 ao PC
e prima o botão Conectar.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>A memória de dados está em uso.
Tente novamente.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Copie os ficheiros de firmware.
Prima o botão Desconectar
quando todos estiverem copiados.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Não foi possível montar a memória de dados.
Reinicie o aparelho.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Atualizar TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Atualizar QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Não foi possível ler o ficheiro de firmware.
Tente novamente.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>A atualizar TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>A copiar ficheiros, aguarde ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Não foi possível copiar o ficheiro de firmware.
Tente novamente.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Atualização de firmware QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Atualização de firmware concluída.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Atualização de firmware TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Ficheiros copiados.
Aguarde o reinício ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Atualização de firmware cancelada.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>A transferir firmware. Aguarde ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Erro na atualização de firmware.
Tente novamente.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmware transferido com êxito.
Não desligue o QJ-5.
Aguarde o reinício.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Atualização de firmware bem-sucedida.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Erro na atualização. Tente novamente.
O dispositivo Bluetooth não responde.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página seguinte</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Aprovado</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Reprovado</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Mudar nome</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceitar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Apagar</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Medição de nível</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Localização de tubos</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Medição H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Medição de longa duração</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>A guardar o som.
Aguarde, por favor ...</translation>
        </message>
    </context>
</TS>
