<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS-informasjon</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Tid</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Dato</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Breddegrad</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Lengdegrad</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Kvalitet</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Avstandsmåling</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Referanseposisjon</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Gjeldende posisjon</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Avstand</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Satellittinformasjon</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satellitter</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Retning</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Høyde</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Hastighet</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Satellittinformasjon</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Bytt koordinatformat</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Vis NMEA-data</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Vis GPS-posisjon</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Angi referanseposisjon</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Start overvåking</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Stopp overvåking og still klokken</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Slett data</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Koble til en H2-sensor
for å bruke denne målingen.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Angi referansenivå</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Område</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum i hodetelefoner</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Lagre</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Tysk</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Fransk</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italiensk</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Spansk</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Kinesisk</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Tsjekkisk</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Ungarsk</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Russisk</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovensk</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japansk</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Polsk</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugisisk</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Rumensk</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovakisk</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Svensk</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finsk</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Dansk</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norsk</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulgarsk</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Kroatisk</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Koreansk</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Serbisk</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Tyrkisk</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Engelsk</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Forrige side</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Neste side</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Juster filter</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Lagre</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum i hodetelefoner</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonforsterkning</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Spill av opptak</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Stopp avspilling</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Forsterkning i hodetelefoner</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Lagret uten lyd.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Lagre</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Analysetid</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Autoskalering</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Flere innstillinger</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonforsterkning</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum i hodetelefoner</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Juster filter</translation>
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
            <translation>Histogram</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>H2-sensor</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Nivå</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Administrasjon</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Langtid</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Rørsøking</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Målinger</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Oppdatering</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Innstillinger</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Rediger måling</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtrer målinger</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Forrige side</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Neste side</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Feil</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Målingen kunne ikke gis nytt navn.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Målingen kunne ikke slettes.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advarsel</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Målingen er fjernet fra listen.
Noen av filene blir slettet når neste måling lagres.</translation>
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
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Autoskalering</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Slett siste nivå</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Flere innstillinger</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Lagre</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Juster filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonforsterkning</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum i hodetelefoner</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Spill av lyddata</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Stopp avspilling</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Spill av neste punkt</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advarsel</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Lagret uten lyden
fra punkt %1.</numerusform>
                <numerusform>Lagret uten lyden
fra punktene %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Juster filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonforsterkning</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum i hodetelefoner</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Lagre</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Angi referansenivå</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Område</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum i hodetelefoner</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Lagre</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>MAKS = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>MIN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>GJSN = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>AKT = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Skjermbilde</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Nivåmåling</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Langtidsmåling</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>H2-sensor</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Rørsøking</translation>
        </message>
        <message>
            <source>never</source>
            <translation>aldri</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Forrige side</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Neste side</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Lydløs</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Hørselvern</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Tilpass</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>ulike verdier</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Parede hodetelefoner</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Paret mikrofon</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Lysstyrke</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Strømsparing</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Favorittknapp</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Systeminformasjon</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Tilbakestill</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Språk</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Tid</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Dato</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Tidssone</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Sommer-/vintertid</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Bryter</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Trykknapp</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>low</source>
            <translation>lav</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>middels</translation>
        </message>
        <message>
            <source>high</source>
            <translation>høy</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Sommertid</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Vintertid</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Feil</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Innstillingen kunne ikke lagres.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Ja</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nei</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
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
            <translation>Mikrofonkonfigurasjon</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Sensortype</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Forsterkning</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Batteristatus</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Fastvareversjon</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Maskinvareversjon</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Lydløs</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth-navn</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth-ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Last inn på nytt</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>ingen sensor</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>ukjent</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Advarsel</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Batteriet er nesten tomt. Lad det opp.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Sensoren ble ikke funnet.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Batterispenningen i QJ-5 er svært lav.
Lad opp batteriet.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Sensortypen ble ikke gjenkjent.
Fest sensoren eller rengjør kontaktene.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Søk etter Bluetooth-enheter</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Funne Bluetooth-enheter</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Slå på paringsmodus
og trykk på «Søk» på skjermen.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Søker</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>ukjent</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Velg enhet for paring.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Ingen enheter funnet.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Parer enhet</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Paringen mislyktes. Prøv igjen.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Nivåmåling</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Vis toppnivå</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Frekvensfarge på nivåstolpen</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Vis frekvensspekter</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Vis frekvensverdi</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Vis filterparametere</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dynamisk skalering</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Langtidsmåling</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Vis rutenett</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>H2-måling</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Vis histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Vis arbeidsområde</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Rørsøking</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Handlinger ved oppstart</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Start med favorittskjerm</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Start med aktive filtre</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Forrige side</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Neste side</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Dag</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Måned</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>År</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Manuell</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minutt</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Sekund</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Ugyldig dato</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Denne datoen finnes ikke. Rett den.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Lysstyrke</translation>
        </message>
        <message>
            <source>high</source>
            <translation>høy</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>middels</translation>
        </message>
        <message>
            <source>low</source>
            <translation>lav</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Hørselvern</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Juster volum i hodetelefoner</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Advarsel! Fare for akustisk sjokk.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Maksimalt volum blir begrenset.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Bakgrunnslys av</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Slå av</translation>
        </message>
        <message>
            <source>never</source>
            <translation>aldri</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advarsel</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Tilbakestill til fabrikkinnstillinger.
Alle innstillinger (f.eks. språk,
parede Bluetooth-enheter) tilbakestilles.
Lagrede målinger slettes ikke.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Tilbakestill</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Vil du virkelig tilbakestille alle innstillinger?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Modus for lydløsknappen</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Bryter</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Trykknapp</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Sommer-/vintertid</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Sommertid</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Vintertid</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Midwayøyene</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Hawaii</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Stillehavet</translation>
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
            <translation>New York</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Manaus</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Newfoundland</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Grønland</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Midt-Atlanteren</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Asorene</translation>
        </message>
        <message>
            <source>London</source>
            <translation>London</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Kairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moskva</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teheran</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu Dhabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kabul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Islamabad</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>New Delhi</translation>
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
            <translation>Yangon</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>Bangkok</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>Hongkong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Tokyo</translation>
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
            <translation>Systeminformasjon</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Fastvareversjon</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Serienummer</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth-ID TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth-ID RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Maskinvareversjon</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Operativsystem</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Batteri</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>ukjent</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Koble TKR 9400 til PC-en
og trykk på «Koble til» på skjermen.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Koble til</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Koble fra</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advarsel</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Dataminnet kunne ikke monteres.
Start apparatet på nytt.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Feil</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Dataminnet er i bruk.
Prøv igjen.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Feil</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advarsel</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Maksimalt antall målinger er nådd.
Målingen blir ikke lagret.
Slett gamle målinger.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Antall målinger nærmer seg grensen.
Slett gamle målinger.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Målingen kunne ikke lagres.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Koble til en akustisk sensor
for å bruke denne målingen.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Merknad</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advarsel</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Ingen Bluetooth-tilkobling.
Kontroller QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Mikrofonforsterkning</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum i hodetelefoner</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automatisk filterinnstilling</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Uten filter</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Advarsel! Fare for akustisk sjokk.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Advarsel!
Høyt volum kan gi hørselsskader.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Koble TKR 9400 til PC-en
og trykk på «Koble til» på skjermen.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Koble til</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Koble fra</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Oppdater fastvaren</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Gjeldende fastvare</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Ny fastvare</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Overfører fastvare</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Oppdaterer apparatet</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Vent på omstart.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Koble TKR 9400 til PC-en
og trykk på «Koble til» på skjermen.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Dataminnet er i bruk.
Prøv igjen.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Kopier fastvarefilene.
Trykk på «Koble fra» på skjermen
når alle filene er kopiert.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Dataminnet kunne ikke monteres.
Start apparatet på nytt.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Oppdater TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Oppdater QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Fastvarefilen kunne ikke leses.
Prøv igjen.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Oppdaterer TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Kopierer filer, vent ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Fastvarefilen kunne ikke kopieres.
Prøv igjen.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Fastvareoppdatering QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Fastvareoppdateringen er fullført.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Fastvareoppdatering TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Alle filene er kopiert.
Vent på omstart ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Fastvareoppdateringen er avbrutt.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Overfører fastvare. Vent ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Feil under fastvareoppdatering.
Prøv igjen.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Fastvaren er overført.
Ikke slå av QJ-5.
Vent på omstart.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Fastvareoppdateringen er vellykket.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Feil under oppdatering. Prøv igjen.
Ingen svar fra Bluetooth-enheten.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Forrige side</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hovedmeny</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Neste side</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Tilbake</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Bestått</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ikke bestått</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Endre navn</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Bruk</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Avbryt</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Slett</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Nivåmåling</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Rørsøking</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>H2-måling</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Langtidsmåling</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Lyden lagres.
Vent litt ...</translation>
        </message>
    </context>
</TS>
