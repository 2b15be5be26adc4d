<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS informacije</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Vrijeme</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Geo. širina</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Geo. dužina</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Kvaliteta</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Mjerenje udaljenosti</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Referentni položaj</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Trenutni položaj</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Udaljenost</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informacije o satelitima</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Sateliti</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Smjer</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Visina</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Brzina</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informacije o satelitima</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Promijeni format koordinata</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Prikaži NMEA podatke</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Prikaži GPS položaj</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Postavi referentni položaj</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Pokreni praćenje</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Zaustavi praćenje i namjesti sat</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Izbriši podatke</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Za ovo mjerenje
spojite H2 senzor.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Postavi referentnu razinu</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Raspon</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnoća slušalica</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Spremi</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Njemački</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francuski</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Talijanski</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Španjolski</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Kineski</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Češki</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Mađarski</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Ruski</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovenski</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanski</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Poljski</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugalski</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Rumunjski</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovački</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Švedski</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finski</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Danski</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norveški</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bugarski</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Hrvatski</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Korejski</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Srpski</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turski</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Engleski</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna stranica</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sljedeća stranica</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Podesi filtar</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Spremi</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnoća slušalica</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Reproduciraj snimku</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zaustavi reprodukciju</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Pojačanje slušalica</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Spremljeno bez zvuka.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Spremi</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Vrijeme analize</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatska skala</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Dodatne postavke</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnoća slušalica</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Podesi filtar</translation>
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
            <translation>H2 senzor</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Razina</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Upravljanje</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Dugotrajno</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasiranje</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Mjerenja</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Ažuriranje</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Postavke</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Uredi mjerenje</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtriraj mjerenja</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna stranica</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sljedeća stranica</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Pogreška</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Mjerenje nije moguće preimenovati.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Mjerenje nije moguće izbrisati.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Mjerenje je uklonjeno s popisa.
Neke njegove datoteke bit će izbrisane pri spremanju sljedećeg mjerenja.</translation>
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
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatska skala</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Izbriši zadnju razinu</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Dodatne postavke</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Spremi</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Podesi filtar</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnoća slušalica</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Reproduciraj zvuk</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zaustavi reprodukciju</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Sljedeća točka</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Spremljeno bez zvuka
točke %1.</numerusform>
                <numerusform>Spremljeno bez zvuka
točaka %1.</numerusform>
                <numerusform>Spremljeno bez zvuka
točaka %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Podesi filtar</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnoća slušalica</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Spremi</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Postavi referentnu razinu</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Raspon</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnoća slušalica</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Spremi</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
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
            <translation>PROS = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>TREN = %1 bar</translation>
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
            <translation>Snimka zaslona</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Mjerenje razine</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dugotrajno mjerenje</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>H2 senzor</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasiranje</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikad</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna stranica</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sljedeća stranica</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Utišavanje</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Zaštita sluha</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Prilagodba</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>različite vrijednosti</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Uparene slušalice</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Upareni mikrofon</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Svjetlina</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Štednja energije</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Omiljena tipka</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informacije o sustavu</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Tvorničke postavke</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Jezik</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Vrijeme</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Vremenska zona</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Ljetno računanje vremena</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Prekidač</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Tipkalo</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Uključeno</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Isključeno</translation>
        </message>
        <message>
            <source>low</source>
            <translation>niska</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>srednja</translation>
        </message>
        <message>
            <source>high</source>
            <translation>visoka</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Ljetno vrijeme</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimsko vrijeme</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Pogreška</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Postavku nije moguće spremiti.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Da</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Ne</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
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
            <translation>Konfiguracija mikrofona</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Vrsta senzora</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Pojačanje</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Stanje baterije</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Verzija firmvera</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Verzija hardvera</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Utišavanje</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth naziv</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Osvježi</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>nema senzora</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nepoznato</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Baterija je gotovo prazna. Napunite je.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Senzor nije prepoznat.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Baterija QJ-5 gotovo je prazna.
Napunite je.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Vrsta senzora nije prepoznata.
Pričvrstite senzor ili očistite kontakte.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Traži Bluetooth uređaje</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Pronađeni Bluetooth uređaji</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Uključite način uparivanja
i dodirnite gumb „Traži”.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Traženje</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nepoznato</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Odaberite uređaj za uparivanje.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nije pronađen nijedan uređaj.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Uparivanje uređaja</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Uparivanje nije uspjelo. Pokušajte ponovno.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Mjerenje razine</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Prikaži vršnu razinu</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Boja frekvencije za traku razine</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Prikaži frekvencijski spektar</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Prikaži frekvenciju</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Prikaži parametre filtra</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dinamičko skaliranje</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dugotrajno mjerenje</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Prikaži mrežu</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Mjerenje H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Prikaži histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Prikaži radno područje</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasiranje</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Radnje pri uključivanju</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Pokreni s omiljenom funkcijom</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Pokreni s uključenim filtrima</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna stranica</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sljedeća stranica</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Dan</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mjesec</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Godina</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Ručno</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Sat</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minuta</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Sekunda</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Neispravan datum</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Ovaj datum ne postoji. Ispravite ga.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Svjetlina</translation>
        </message>
        <message>
            <source>high</source>
            <translation>visoka</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>srednja</translation>
        </message>
        <message>
            <source>low</source>
            <translation>niska</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Zaštita sluha</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Uključeno</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Isključeno</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Glasnoća slušalica</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Upozorenje! Opasnost od zvučnog udara.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Najveća glasnoća bit će ograničena.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Isklj. osvjetljenja</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Isključivanje</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikad</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Vraćanje na tvorničke postavke.
Sve postavke (npr. jezik,
upareni Bluetooth uređaji) bit će resetirane.
Spremljena mjerenja neće se izbrisati.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Resetiraj</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Želite li zaista resetirati sve postavke?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Način tipke za utišavanje</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Prekidač</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Tipkalo</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Ljetno računanje vremena</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Ljetno vrijeme</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimsko vrijeme</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Otoci Midway</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Havaji</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Aljaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacifik</translation>
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
            <translation>Grenland</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Srednji Atlantik</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azori</translation>
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
            <translation>Hong Kong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Tokio</translation>
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
            <translation>Fidži</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informacije o sustavu</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Verzija firmvera</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Serijski broj</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth ID TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth ID RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Verzija hardvera</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Operacijski sustav</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Baterija</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>nepoznato</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Spojite TKR 9400 s PC-jem
i dodirnite gumb „Spoji”.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Spoji</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Odspoji</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Memorija podataka nije montirana.
Ponovno pokrenite uređaj.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Pogreška</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Memorija podataka je zauzeta.
Pokušajte ponovno.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Pogreška</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Dosegnut je najveći broj mjerenja.
Mjerenje neće biti spremljeno.
Izbrišite stara mjerenja.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Broj mjerenja blizu je granice.
Izbrišite stara mjerenja.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Mjerenje nije moguće spremiti.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Za ovo mjerenje
spojite akustični senzor.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Napomena</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Upozorenje</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Nema Bluetooth veze.
Provjerite QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Pojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnoća slušalica</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automatsko postavljanje filtra</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Bez filtra</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Upozorenje! Opasnost od zvučnog udara.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Upozorenje!
Velika glasnoća može oštetiti sluh.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Spojite TKR 9400 s PC-jem
i dodirnite gumb „Spoji”.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Spoji</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Odspoji</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Ažuriranje firmvera</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Trenutni firmver</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Novi firmver</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Prijenos firmvera</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Ažuriranje uređaja</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Pričekajte ponovno pokretanje.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Spojite TKR 9400 s PC-jem
i dodirnite gumb „Spoji”.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Memorija podataka je zauzeta.
Pokušajte ponovno.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Kopirajte datoteke firmvera.
Dodirnite gumb „Odspoji”
kad su sve datoteke kopirane.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Memorija podataka nije montirana.
Ponovno pokrenite uređaj.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Ažuriraj TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Ažuriraj QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Datoteka firmvera nije pročitana.
Pokušajte ponovno.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Ažuriranje TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Kopiranje datoteka, pričekajte ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Datoteka firmvera nije kopirana.
Pokušajte ponovno.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Ažuriranje firmvera QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Ažuriranje firmvera uspješno je završeno.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Ažuriranje firmvera TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Sve su datoteke kopirane.
Pričekajte ponovno pokretanje ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Ažuriranje firmvera je prekinuto.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Prijenos firmvera. Pričekajte ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Pogreška pri ažuriranju firmvera.
Pokušajte ponovno.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmver je uspješno prenesen.
Ne isključujte QJ-5.
Pričekajte ponovno pokretanje.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Firmver je uspješno ažuriran.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Pogreška pri ažuriranju. Pokušajte ponovno.
Bluetooth uređaj ne odgovara.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Prethodna stranica</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni izbornik</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Sljedeća stranica</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Natrag</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ispravno</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Neispravno</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Promijeni naziv</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Prihvati</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Odustani</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Izbriši</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Mjerenje razine</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasiranje</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Mjerenje H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Dugotrajno mjerenje</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Spremanje zvuka.
Pričekajte ...</translation>
        </message>
    </context>
</TS>
