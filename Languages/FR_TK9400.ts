<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Informations GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Heure</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
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
            <translation>Qualité</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Mesure de distance</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Position de référence</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Position actuelle</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Distance</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informations satellites</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satellites</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Direction</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Altitude</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Vitesse sol</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informations satellites</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Changer le format des coordonnées</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Afficher les données NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Afficher la position GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Définir la position de référence</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Démarrer la surveillance</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Arrêter la surveillance et régler l'horloge</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Supprimer les données</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Cette mesure nécessite
un capteur H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Définir le niveau de référence</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Plage</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume du casque</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Allemand</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Français</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italien</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Espagnol</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Chinois</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Tchèque</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Hongrois</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Russe</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovène</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japonais</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Polonais</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugais</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Roumain</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovaque</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Suédois</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finnois</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Danois</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norvégien</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulgare</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Croate</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Coréen</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Serbe</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turc</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Anglais</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Page précédente</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Page suivante</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Régler le filtre</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume du casque</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Gain du microphone</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Lire l'enregistrement</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Arrêter la lecture</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Gain du casque</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Enregistré sans son.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Durée d'analyse</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Échelle auto</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Autres réglages</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Gain du microphone</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume du casque</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Régler le filtre</translation>
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
            <translation>Histogramme</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Capteur H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Niveau</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Gestion</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Longue durée</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Tracé conduite</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Mesures</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Mise à jour</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Réglages</translation>
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
            <translation>Modifier la mesure</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtrer les mesures</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Page précédente</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Page suivante</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Impossible de renommer la mesure.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Impossible de supprimer la mesure.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>La mesure a été retirée de la liste.
Certains de ses fichiers seront supprimés lors de l'enregistrement de la prochaine mesure.</translation>
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
            <translation>Échelle auto</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Supprimer le dernier niveau</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Autres réglages</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Régler le filtre</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Gain du microphone</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume du casque</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Lire l'audio</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Arrêter la lecture</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Lire la position suivante</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Enregistré sans le son
du point %1.</numerusform>
                <numerusform>Enregistré sans le son
des points %1.</numerusform>
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
            <translation>Régler le filtre</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Gain du microphone</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume du casque</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
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
            <translation>Définir le niveau de référence</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Plage</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume du casque</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>MAX = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>MIN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>MOY = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>ÉCT = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>ACT = %1 bar</translation>
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
            <translation>Capture d'écran</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogramme</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Mesure de niveau</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Mesure longue durée</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Capteur H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Tracé conduite</translation>
        </message>
        <message>
            <source>never</source>
            <translation>jamais</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Page précédente</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Page suivante</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Coupure du son</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Protection auditive</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Personnaliser</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>valeurs diverses</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Casque appairé</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Microphone appairé</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Luminosité</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Économie d'énergie</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Touche favori</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informations système</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Réinitialiser</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Langue</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Heure</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Fuseau horaire</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Heure d'été</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Interrupteur</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Bouton-poussoir</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Activé</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>low</source>
            <translation>faible</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>moyenne</translation>
        </message>
        <message>
            <source>high</source>
            <translation>élevée</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Heure d'été</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Heure d'hiver</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Impossible d'enregistrer le réglage.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Oui</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Non</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
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
            <translation>Configuration du microphone</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Type de capteur</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Gain</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>État batterie</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Version du firmware</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Version du matériel</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Coupure du son</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Nom Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>ID Bluetooth</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Actualiser</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>aucun capteur</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>inconnu</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>La batterie est presque vide. Veuillez la recharger.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Le capteur n'a pas été détecté.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>La batterie du QJ-5 est presque vide.
Veuillez la recharger.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Type de capteur non détecté.
Fixez le capteur ou nettoyez les contacts.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Rechercher des appareils Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Appareils Bluetooth trouvés</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Activez le mode d'appairage
et appuyez sur Rechercher.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Recherche</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>inconnu</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Choisissez l'appareil à appairer.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Aucun appareil trouvé.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Appairage en cours</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Échec de l'appairage. Veuillez réessayer.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Mesure de niveau</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Afficher le niveau de crête</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Couleur de fréquence pour la barre</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Afficher le spectre</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Afficher la fréquence</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogramme</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Afficher les paramètres du filtre</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Échelle dynamique</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Mesure longue durée</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Afficher la grille</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Mesure H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Afficher l'histogramme</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Afficher la plage de travail</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Tracé conduite</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Au démarrage</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Démarrer avec le favori</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Démarrer avec filtre activé</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Page précédente</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Page suivante</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Jour</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mois</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Année</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Manuel</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Heure</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minute</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Seconde</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Date non valide</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Cette date n'existe pas. Veuillez la corriger.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Luminosité</translation>
        </message>
        <message>
            <source>high</source>
            <translation>élevée</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>moyenne</translation>
        </message>
        <message>
            <source>low</source>
            <translation>faible</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Protection auditive</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Activé</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Régler le volume du casque</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Attention ! Risque de choc acoustique.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Le volume maximal sera limité.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Écran éteint</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Arrêt</translation>
        </message>
        <message>
            <source>never</source>
            <translation>jamais</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Retour aux réglages d'usine.
Tous les réglages (p. ex. langue,
appareils Bluetooth appairés) seront réinitialisés.
Les mesures enregistrées sont conservées.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Réinitialiser</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Réinitialiser vraiment tous les réglages ?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Mode de la touche muet</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Interrupteur</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Bouton-poussoir</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Heure d'été</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Heure d'été</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Heure d'hiver</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Îles Midway</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Hawaï</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacifique</translation>
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
            <translation>Terre-Neuve</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Groenland</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Atlantique central</translation>
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
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Le Caire</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moscou</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Téhéran</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abou Dabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kaboul</translation>
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
            <translation>Katmandou</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Novossibirsk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Rangoun</translation>
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
            <translation>Fidji</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informations système</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Version du firmware</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Numéro de série</translation>
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
            <translation>Version du matériel</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Système d'exploitation</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Batterie</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>inconnu</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Reliez le TKR 9400 au PC
et appuyez sur Connecter.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Connecter</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Déconnecter</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Impossible de monter la mémoire de données.
Veuillez redémarrer l'appareil.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>La mémoire de données est occupée.
Veuillez réessayer.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Nombre maximal de mesures atteint.
La mesure ne sera pas enregistrée.
Veuillez supprimer d'anciennes mesures.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Nombre de mesures proche de la limite.
Veuillez supprimer d'anciennes mesures.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Impossible d'enregistrer la mesure.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Cette mesure nécessite
un capteur acoustique.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Remarque</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertissement</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Pas de connexion Bluetooth.
Veuillez vérifier le QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Gain du microphone</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume du casque</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Réglage automatique du filtre</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Sans filtre</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Attention ! Risque de choc acoustique.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Attention !
Un volume élevé peut nuire à l'audition.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Reliez le TKR 9400 au PC
et appuyez sur Connecter.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Connecter</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Déconnecter</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Mettre à jour le firmware</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Firmware actuel</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Nouveau firmware</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Transfert du firmware</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>État</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Mise à jour de l'appareil</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Veuillez attendre le redémarrage.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Reliez le TKR 9400 au PC
et appuyez sur Connecter.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>La mémoire de données est occupée.
Veuillez réessayer.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Copiez les fichiers du firmware.
Appuyez sur Déconnecter
une fois tous les fichiers copiés.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Impossible de monter la mémoire de données.
Veuillez redémarrer l'appareil.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Mettre à jour TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Mettre à jour QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Lecture du fichier firmware impossible.
Veuillez réessayer.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Mise à jour du TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Copie des fichiers, veuillez patienter ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Copie du fichier firmware impossible.
Veuillez réessayer.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Mise à jour firmware QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Mise à jour du firmware terminée.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Mise à jour firmware TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Tous les fichiers sont copiés.
Veuillez attendre le redémarrage ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Mise à jour du firmware annulée.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Transfert du firmware. Veuillez patienter ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Erreur de mise à jour du firmware.
Veuillez réessayer.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmware transféré avec succès.
N'éteignez pas le QJ-5.
Veuillez attendre le redémarrage.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Mise à jour du firmware réussie.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Erreur de mise à jour. Réessayez.
Aucune réponse de l'appareil Bluetooth.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Page précédente</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Page suivante</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Réussi</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Échec</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Renommer</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Valider</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogramme</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Mesure de niveau</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Tracé conduite</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Mesure H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Mesure longue durée</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Enregistrement du fichier son.
Veuillez patienter ...</translation>
        </message>
    </context>
</TS>
