<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Podatki GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Čas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Zem. širina</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Zem. dolžina</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Kakovost</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Merjenje razdalje</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Referenčni položaj</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Trenutni položaj</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Razdalja</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Podatki o satelitih</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Sateliti</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Smer</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Višina</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Hitrost</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Podatki o satelitih</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Preklopi obliko koordinat</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Prikaži podatke NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Prikaži položaj GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Nastavi referenčni položaj</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Začni spremljanje</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Ustavi spremljanje in nastavi uro</translation>
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
            <translation>Za to meritev
priključite senzor H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Nastavi referenčno raven</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Območje</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnost slušalk</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Shrani</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Nemščina</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francoščina</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italijanščina</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Španščina</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Kitajščina</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Češčina</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Madžarščina</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Ruščina</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovenščina</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japonščina</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Poljščina</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugalščina</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Romunščina</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovaščina</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Švedščina</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finščina</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Danščina</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norveščina</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bolgarščina</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Hrvaščina</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Korejščina</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Srbščina</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turščina</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Angleščina</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prejšnja stran</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Naslednja stran</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastavi filter</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Shrani</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnost slušalk</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ojačanje mikrofona</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Predvajaj posnetek</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Ustavi predvajanje</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Ojačanje slušalk</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Shranjeno brez zvoka.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Shrani</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Čas analize</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Samodejno merilo</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Dodatne nastavitve</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnost slušalk</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastavi filter</translation>
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
            <translation>Senzor H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Raven</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Upravljanje</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Dolgotrajno</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Iskanje cevi</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Meritve</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Posodobitev</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Nastavitve</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Uredi meritev</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtriraj meritve</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prejšnja stran</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Naslednja stran</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Napaka</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Meritve ni bilo mogoče preimenovati.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Meritve ni bilo mogoče izbrisati.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Opozorilo</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Meritev je bila odstranjena s seznama.
Nekatere njene datoteke bodo izbrisane ob shranjevanju naslednje meritve.</translation>
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
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Samodejno merilo</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Izbriši zadnjo raven</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Dodatne nastavitve</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Shrani</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastavi filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnost slušalk</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Predvajaj zvok</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Ustavi predvajanje</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Naslednja točka</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Opozorilo</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Shranjeno brez zvoka
točke %1.</numerusform>
                <numerusform>Shranjeno brez zvoka
točk %1.</numerusform>
                <numerusform>Shranjeno brez zvoka
točk %1.</numerusform>
                <numerusform>Shranjeno brez zvoka
točk %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastavi filter</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnost slušalk</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Shrani</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Nastavi referenčno raven</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Območje</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnost slušalk</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Shrani</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
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
            <translation>POVP = %1 bar</translation>
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
            <translation>Posnetek zaslona</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Meritev ravni</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dolgotrajna meritev</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Senzor H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Iskanje cevi</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikoli</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prejšnja stran</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Naslednja stran</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Utišanje</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Zaščita sluha</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Prilagoditev</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>različne vrednosti</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Seznanjene slušalke</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Seznanjen mikrofon</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Svetlost</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Varčevanje z energijo</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Priljubljeni gumb</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Sistemske informacije</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Tovarniške nastavitve</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Jezik</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Čas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Časovni pas</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Poletni/zimski čas</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Stikalo</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Tipka</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Vklopljeno</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Izklopljeno</translation>
        </message>
        <message>
            <source>low</source>
            <translation>nizka</translation>
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
            <translation>Poletni čas</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimski čas</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Napaka</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Nastavitve ni bilo mogoče shraniti.</translation>
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
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>V redu</translation>
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
            <translation>Vrsta senzorja</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Ojačanje</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Stanje baterije</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Programska oprema</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Strojna oprema</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Utišanje</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Ime Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Osveži</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>ni senzorja</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznano</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Opozorilo</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Baterija je skoraj prazna. Napolnite jo.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Senzorja ni bilo mogoče zaznati.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Baterija QJ-5 je skoraj prazna.
Napolnite jo.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Vrste senzorja ni bilo mogoče zaznati.
Pritrdite senzor ali očistite kontakte.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Iskanje naprav Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Najdene naprave Bluetooth</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Vklopite način seznanjanja
in se dotaknite gumba »Išči«.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Iskanje</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznano</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Izberite napravo za seznanjanje.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Ni najdenih naprav.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Seznanjanje naprave</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Seznanjanje ni uspelo. Poskusite znova.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Meritev ravni</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Prikaži konično raven</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Barva frekvence za stolpec ravni</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Prikaži frekvenčni spekter</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Prikaži frekvenco</translation>
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
            <translation>Dinamično merilo</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dolgotrajna meritev</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Prikaži mrežo</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Meritev H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Prikaži histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Prikaži delovno območje</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Iskanje cevi</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Dejanja ob vklopu</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Zaženi s priljubljeno funkcijo</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Zaženi z vklopljenimi filtri</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Prejšnja stran</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Naslednja stran</translation>
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
            <translation>Mesec</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Leto</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Ročno</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Ura</translation>
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
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Neveljaven datum</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Ta datum ne obstaja. Popravite ga.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Svetlost</translation>
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
            <translation>nizka</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Zaščita sluha</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Vklopljeno</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Izklopljeno</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Glasnost slušalk</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Opozorilo! Nevarnost zvočnega udara.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Največja glasnost bo omejena.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Izklop osvetlitve</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Izklop</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikoli</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Opozorilo</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Ponastavitev na tovarniške nastavitve.
Vse nastavitve (npr. jezik,
seznanjene naprave Bluetooth) bodo ponastavljene.
Shranjene meritve ne bodo izbrisane.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Ponastavi</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Ali res želite ponastaviti vse nastavitve?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Način gumba za utišanje</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Stikalo</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Tipka</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Poletni/zimski čas</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Poletni čas</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimski čas</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Otoki Midway</translation>
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
            <translation>Nova Fundlandija</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Grenlandija</translation>
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
            <translation>Abu Dabi</translation>
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
            <translation>Sistemske informacije</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Programska oprema</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Serijska številka</translation>
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
            <translation>Strojna oprema</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Operacijski sistem</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Baterija</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznano</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Povežite TKR 9400 z računalnikom
in se dotaknite gumba »Poveži«.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Poveži</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Odklopi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Opozorilo</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Pomnilnika podatkov ni bilo mogoče priklopiti.
Znova zaženite napravo.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Napaka</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Pomnilnik podatkov je v uporabi.
Poskusite znova.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Napaka</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Opozorilo</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Doseženo je največje število meritev.
Meritev ne bo shranjena.
Izbrišite stare meritve.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Število meritev je blizu meje.
Izbrišite stare meritve.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Meritve ni bilo mogoče shraniti.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Za to meritev
priključite akustični senzor.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Opomba</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Opozorilo</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Ni povezave Bluetooth.
Preverite QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ojačanje mikrofona</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Glasnost slušalk</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Samodejna nastavitev filtra</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Brez filtra</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Opozorilo! Nevarnost zvočnega udara.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Opozorilo!
Visoka glasnost lahko poškoduje sluh.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Povežite TKR 9400 z računalnikom
in se dotaknite gumba »Poveži«.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Poveži</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Odklopi</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Posodobitev programske opreme</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Trenutna različica</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Nova različica</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Prenos programske opreme</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Stanje</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Posodabljanje naprave</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Počakajte na ponovni zagon.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>V redu</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Povežite TKR 9400 z računalnikom
in se dotaknite gumba »Poveži«.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Pomnilnik podatkov je v uporabi.
Poskusite znova.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Kopirajte datoteke programske opreme.
Ko so vse datoteke kopirane,
se dotaknite gumba »Odklopi«.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Pomnilnika podatkov ni bilo mogoče priklopiti.
Znova zaženite napravo.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Posodobi TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Posodobi QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Datoteke programske opreme ni mogoče prebrati.
Poskusite znova.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Posodabljanje TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Kopiranje datotek, počakajte ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Datoteke programske opreme ni mogoče kopirati.
Poskusite znova.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Posodobitev QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Posodobitev je uspešno končana.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Posodobitev TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Vse datoteke so kopirane.
Počakajte na ponovni zagon ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Posodobitev je preklicana.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Prenos programske opreme. Počakajte ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Napaka pri posodobitvi.
Poskusite znova.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Programska oprema je prenesena.
Ne izklopite QJ-5.
Počakajte na ponovni zagon.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Posodobitev je uspela.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Napaka pri posodobitvi. Poskusite znova.
Naprava Bluetooth se ne odziva.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Prejšnja stran</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Glavni meni</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Naslednja stran</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Nazaj</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Ustreza</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Ne ustreza</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Spremeni ime</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Sprejmi</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Prekliči</translation>
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
            <translation>Meritev ravni</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Iskanje cevi</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Meritev H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Dolgotrajna meritev</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Shranjevanje zvoka.
Počakajte ...</translation>
        </message>
    </context>
</TS>
