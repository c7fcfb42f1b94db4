<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last upload:</source>
        <extracomment>Used by: main_desc_last_upload</extracomment>
        <translation>Siste opplasting:</translation>
    </message>
    <message>
        <source>Skip files whose names begin with %1</source>
        <extracomment>Used by: setting_filter_point_prefix</extracomment>
        <translation>Hopp over filer med navn som begynner med %1</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>Used by: msg_checkpass</extracomment>
        <translation>Kontroller brukernavnet og passordet.</translation>
    </message>
    <message>
        <source>Orvanta Backup</source>
        <extracomment>Used by: app_name</extracomment>
        <translation>Orvanta Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is not valid.</source>
        <extracomment>Used by: err_autoconn_invalidid</extracomment>
        <translation>ID-en for automatisk tilkobling er ugyldig.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <extracomment>Used by: wizard_invalid_sync_folder_warning</extracomment>
        <translation>Den valgte mappen kan ikke sikkerhetskopieres. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <extracomment>Used by: wizard_connection_desc</extracomment>
        <translation>Skriv inn adressen til serveren for sikkerhetskopiering og kontoen du vil logge på med.</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>Used by: connection_username</extracomment>
        <translation>Brukernavn:</translation>
    </message>
    <message>
        <source>The backup direction of this folder does not match the setting on the server.</source>
        <extracomment>Used by: err_sync_direction_mismatch</extracomment>
        <translation>Retningen for sikkerhetskopiering av denne mappen samsvarer ikke med innstillingen på serveren.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>Used by: connection_enter_otp</extracomment>
        <translation>Skriv inn bekreftelseskoden fra autentiseringsappen:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>Used by: msg_share_quotafull</extracomment>
        <translation>Den delte mappen på serveren har nådd kvoten sin.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <extracomment>Used by: err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>Serverens SSL-sertifikat kunne ikke bekreftes.</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>Used by: setting_tab_connection</extracomment>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>Used by: btn_proxy, setting_tab_proxy</extracomment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Used by: btn_done</extracomment>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Used by: tray_exit</extracomment>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <extracomment>Used by: backup_chooser_desc</extracomment>
        <translation>Velg mappene på denne datamaskinen som du vil sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>Used by: main_queue_completed</extracomment>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>The identity of the server has changed since the last connection.</source>
        <extracomment>Used by: err_hx_change</extracomment>
        <translation>Serverens identitet er endret siden forrige tilkobling.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>Used by: err_local_sync_folder_miss</extracomment>
        <translation>Finner ikke den lokale mappen for sikkerhetskopiering.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>Used by: connection_server</extracomment>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Need help? Open the online help for set-up instructions.</source>
        <extracomment>Used by: wizard_welcome_help</extracomment>
        <translation>Trenger du hjelp? Åpne hjelpen på nettet for å få veiledning i oppsettet.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Used by: btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database could not be opened or is damaged.</source>
        <extracomment>Used by: err_database</extracomment>
        <translation>Den lokale databasen kunne ikke åpnes eller er skadet.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>Used by: wizard_welcome_slogan</extracomment>
        <translation>Filene dine, trygt sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <extracomment>Used by: setting_option_use_black_white_icon</extracomment>
        <translation>Bruk et svart-hvitt ikon i systemkurven</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>Used by: err_share_not_mounted</extracomment>
        <translation>Den delte mappen på serveren er ikke montert.</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Used by: main_queue_column_progress</extracomment>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Open Orvanta Backup</source>
        <extracomment>Used by: tray_main_app</extracomment>
        <translation>Åpne Orvanta Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>Used by: err_proto</extracomment>
        <translation>Serveren sendte et svar som ikke kunne tolkes.</translation>
    </message>
    <message>
        <source>The backup folder is on a drive that is not mounted.</source>
        <extracomment>Used by: err_syncfolder_not_mounted</extracomment>
        <translation>Mappen for sikkerhetskopiering ligger på en stasjon som ikke er montert.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>Used by: btn_unlink</extracomment>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>Used by: err_diskfull</extracomment>
        <translation>Det er ikke nok ledig plass på den lokale disken.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>Used by: err_user_home_disabled</extracomment>
        <translation>Tjenesten for hjemmemapper er deaktivert for kontoen din på serveren.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>Used by: main_status_uptodate</extracomment>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>The disk of the selected folder is full. Please free some space or choose another folder.</source>
        <extracomment>Used by: wizard_diskfull_sync_folder_warning</extracomment>
        <translation>Disken med den valgte mappen er full. Frigjør litt plass, eller velg en annen mappe.</translation>
    </message>
    <message>
        <source>Orvanta Backup version %1</source>
        <extracomment>Used by: msg_about</extracomment>
        <translation>Orvanta Backup versjon %1</translation>
    </message>
    <message>
        <source>Failed to back up %1.</source>
        <extracomment>Used by: err_backup_fail</extracomment>
        <translation>Kunne ikke sikkerhetskopiere %1.</translation>
    </message>
    <message>
        <source>Local path</source>
        <extracomment>Used by: wizard_summary_table_path</extracomment>
        <translation>Lokal bane</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>Used by: setting_proxy_manual</extracomment>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>Used by: wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>Mål</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>Used by: err_otp_required</extracomment>
        <translation>Det kreves en bekreftelseskode for å logge på.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups stop until you connect again.</source>
        <extracomment>Used by: connection_unlink_confirm</extracomment>
        <translation>Vil du koble denne datamaskinen fra serveren? Sikkerhetskopieringen stopper til du kobler til igjen.</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>Used by: btn_resume</extracomment>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>Used by: setting_proxy_password, connection_password</extracomment>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Orvanta Backup is initializing...</source>
        <extracomment>Used by: desc_orvt_env_preparing</extracomment>
        <translation>Orvanta Backup initialiseres...</translation>
    </message>
    <message>
        <source>No folder has been selected.</source>
        <extracomment>Used by: backup_chooser_no_folder_selected</extracomment>
        <translation>Ingen mappe er valgt.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>Used by: setting_proxy_sys_proxy</extracomment>
        <translation>Bruk systemets proxyinnstillinger</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Used by: btn_wizard_readonly_no</extracomment>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>Used by: setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>Lokale mapper</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Used by: main_queue_column_file</extracomment>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_empty_username</extracomment>
        <translation>Skriv inn et brukernavn for proxyserveren.</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Used by: setting_tab_filter</extracomment>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Do you trust the new certificate?</source>
        <extracomment>Used by: msg_ssl_change</extracomment>
        <translation>Serverens SSL-sertifikat er endret. Stoler du på det nye sertifikatet?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>Used by: connection_unlinking</extracomment>
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>Used by: connection_ssl</extracomment>
        <translation>Bruk sikker tilkobling (SSL)</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Used by: version</extracomment>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>Used by: main_queue_title</extracomment>
        <translation>Overføringskø</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Used by: btn_pause</extracomment>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>Used by: wizard_source_readonly_warning</extracomment>
        <translation>Kildemappen er skrivebeskyttet. Filene i den kan sikkerhetskopieres, men ikke gjenopprettes til den.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>Used by: read_only_tooltip</extracomment>
        <translation>Denne mappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Used by: msg_error</extracomment>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Used by: main_status_pause</extracomment>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <extracomment>Used by: tray_upgrade</extracomment>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>The language changes to %1 after Orvanta Backup restarts.</source>
        <extracomment>Used by: setting_option_language_restart</extracomment>
        <translation>Språket endres til %1 når Orvanta Backup har startet på nytt.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>Used by: setting_proxy_err_invalid_port</extracomment>
        <translation>Proxyporten må være et tall fra 1 til 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>Used by: main_queue_uploading</extracomment>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <extracomment>Used by: wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>Serverens SSL-sertifikat er endret.</translation>
    </message>
    <message>
        <source>Connections from your IP address are not allowed by the server.</source>
        <extracomment>Used by: err_ip_not_allowed</extracomment>
        <translation>Serveren tillater ikke tilkoblinger fra IP-adressen din.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>Used by: msg_test_connect</extracomment>
        <translation>Tester tilkoblingen...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>Used by: msg_ssl_error</extracomment>
        <translation>Kunne ikke opprette en sikker tilkobling til serveren.</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>Used by: btn_no_need</extracomment>
        <translation>Ikke nå</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>Used by: setting_proxy_port</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connect to your backup server</source>
        <extracomment>Used by: wizard_connection_title</extracomment>
        <translation>Koble til serveren for sikkerhetskopiering</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <extracomment>Used by: err_otp_invalid</extracomment>
        <translation>Bekreftelseskoden er ugyldig.</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Used by: btn_select</extracomment>
        <translation>Velg</translation>
    </message>
    <message>
        <source>A backup with this name already exists on the server. Please choose another name.</source>
        <extracomment>Used by: wizard_share_name_duplicate_warning</extracomment>
        <translation>Det finnes allerede en sikkerhetskopi med dette navnet på serveren. Velg et annet navn.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <extracomment>Used by: wizard_welcome_info</extracomment>
        <translation>Denne veiviseren hjelper deg med å konfigurere din første sikkerhetskopieringsoppgave.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>Used by: main_status_connecting</extracomment>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Sharing is enabled</source>
        <extracomment>Used by: share_enabled</extracomment>
        <translation>Deling er aktivert</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Used by: tray_about</extracomment>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>Used by: wizard_access_deny_sync_folder_warning</extracomment>
        <translation>Du har ikke tillatelse til å få tilgang til den valgte mappen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>Used by: err_quotafull</extracomment>
        <translation>Lagringskvoten din på serveren er brukt opp.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <extracomment>Used by: setting_filter_table_editor_tooltip</extracomment>
        <translation>Dobbeltklikk på en oppføring for å redigere den.</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Used by: btn_continue</extracomment>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>Used by: setting_filter_max_size</extracomment>
        <translation>Maksimal filstørrelse (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>Used by: main_status_syncing</extracomment>
        <translation>Sikkerhetskopierer...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Free some space on the server or choose another one.</source>
        <extracomment>Used by: wizard_quotafull_sync_folder_warning</extracomment>
        <translation>Målet har ingen kvote igjen. Frigjør litt plass på serveren, eller velg et annet mål.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>Used by: err_max_tries</extracomment>
        <translation>For mange mislykkede forsøk. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>A size of 0 means no limit.</source>
        <extracomment>Used by: setting_filter_zero_desc</extracomment>
        <translation>En størrelse på 0 betyr ingen grense.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>Used by: err_abnormal</extracomment>
        <translation>Det oppstod en uventet feil.</translation>
    </message>
    <message>
        <source>Orvanta Backup could not be started.</source>
        <extracomment>Used by: err_init_failed</extracomment>
        <translation>Orvanta Backup kunne ikke startes.</translation>
    </message>
    <message>
        <source>The server does not match the one this backup task was created for.</source>
        <extracomment>Used by: err_hx_not_match</extracomment>
        <translation>Serveren samsvarer ikke med den som denne sikkerhetskopieringsoppgaven ble opprettet for.</translation>
    </message>
    <message>
        <source>Select a destination folder on the server.</source>
        <extracomment>Used by: treedialog_server_desc</extracomment>
        <translation>Velg en målmappe på serveren.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>Used by: msg_test_username_fail</extracomment>
        <translation>Brukernavnet eller passordet er feil.</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>Used by: setting_option_language_title</extracomment>
        <translation>Språk:</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>Used by: setting_option_language_default</extracomment>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <extracomment>Used by: btn_ssl_continue</extracomment>
        <translation>Stol på og fortsett</translation>
    </message>
    <message>
        <source>Choose a folder on this computer and the destination folder on the server.</source>
        <extracomment>Used by: wizard_setsyncfolder_desc</extracomment>
        <translation>Velg en mappe på denne datamaskinen og målmappen på serveren.</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <extracomment>Used by: err_otp_enforced</extracomment>
        <translation>Administratoren din krever totrinnsbekreftelse for kontoen din.</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Used by: btn_next</extracomment>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Used by: btn_apply</extracomment>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_ipport_empty</extracomment>
        <translation>Skriv inn adressen og porten til proxyserveren.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>Used by: wizard_user_disable_sync_folder_warning</extracomment>
        <translation>Kontoen din er deaktivert på serveren.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another backup task.</source>
        <extracomment>Used by: wizard_conflict_backup_warning</extracomment>
        <translation>Denne mappen sikkerhetskopieres allerede av en annen sikkerhetskopieringsoppgave.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>Used by: err_no_valid_folder</extracomment>
        <translation>Det finnes ingen gyldig mappe å sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>Waiting for file lock</source>
        <extracomment>Used by: main_queue_locking</extracomment>
        <translation>Venter på fillås</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>Used by: setting_proxy_no_proxy</extracomment>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Used by: tray_help</extracomment>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <extracomment>Used by: err_version_server</extracomment>
        <translation>Serverversjonen er for gammel for denne klienten. Oppdater serveren.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <extracomment>Used by: treedialog_pc_title</extracomment>
        <translation>Velg en mappe på denne datamaskinen</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>Used by: setting_filter_size_limit_tooltip</extracomment>
        <translation>Filer som er større enn denne størrelsen, blir ikke sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>Used by: setting_filter_ignore_local_delete</extracomment>
        <translation>Behold filer på serveren når de slettes lokalt</translation>
    </message>
    <message>
        <source>The network connection failed. Please check your network and try again.</source>
        <extracomment>Used by: err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>Nettverkstilkoblingen mislyktes. Kontroller nettverket, og prøv igjen.</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Used by: main_queue_column_status</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>Used by: backup_chooser_choose_source</extracomment>
        <translation>Velg kildemapper</translation>
    </message>
    <message>
        <source>Back up a read-only folder? Its files are copied to the server; nothing is written back.</source>
        <extracomment>Used by: wizard_readonly_backup_desc</extracomment>
        <translation>Vil du sikkerhetskopiere en skrivebeskyttet mappe? Filene i den kopieres til serveren; ingenting skrives tilbake.</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>Used by: setting_proxy_ip</extracomment>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>Used by: title_ssl_warning</extracomment>
        <translation>Sikkerhetsadvarsel</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>Used by: main_queue_waiting</extracomment>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <extracomment>Used by: msg_download_downloading</extracomment>
        <translation>Laster ned...</translation>
    </message>
    <message>
        <source>Back up the folders of this computer to your server automatically.</source>
        <extracomment>Used by: wizard_welcome_desc</extracomment>
        <translation>Sikkerhetskopier mappene på denne datamaskinen til serveren din automatisk.</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>Used by: setting_proxy_username</extracomment>
        <translation>Brukernavn for proxy:</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <extracomment>Used by: connection_use_farlink</extracomment>
        <translation>Koble til via relétjenesten</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>Used by: wizard_summary_table_account</extracomment>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred: %1</source>
        <extracomment>Used by: wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>Det oppstod en systemfeil: %1</translation>
    </message>
    <message>
        <source>The destination shared folder does not exist on the server.</source>
        <extracomment>Used by: wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>Den delte målmappen finnes ikke på serveren.</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>Used by: wizard_summary_title</extracomment>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>Used by: main_queue_preparing</extracomment>
        <translation>Forbereder</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Used by: setting_tab_option</extracomment>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>You only have read access to the destination folder on the server.</source>
        <extracomment>Used by: wizard_readonly_sync_folder_warning</extracomment>
        <translation>Du har bare lesetilgang til målmappen på serveren.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <extracomment>Used by: main_status_error</extracomment>
        <translation>Feil ved sikkerhetskopiering</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <extracomment>Used by: tray_click_to_update</extracomment>
        <translation>En ny versjon er tilgjengelig. Klikk her for å oppdatere.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>Used by: read_only</extracomment>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Automatic connection is disabled by your administrator.</source>
        <extracomment>Used by: err_autoconn_ctrl</extracomment>
        <translation>Automatisk tilkobling er deaktivert av administratoren din.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder of another backup task.</source>
        <extracomment>Used by: wizard_conflict_sync_folder_warning</extracomment>
        <translation>Den valgte mappen overlapper en mappe i en annen sikkerhetskopieringsoppgave.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>Used by: btn_advanced</extracomment>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>Used by: main_desc_processing_count</extracomment>
        <translation>Behandler %1 fil(er)...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>Used by: wizard_summary_table_except_path</extracomment>
        <translation>Utelatte baner</translation>
    </message>
    <message>
        <source>You do not have permission to use this shared folder.</source>
        <extracomment>Used by: err_share_perm</extracomment>
        <translation>Du har ikke tillatelse til å bruke denne delte mappen.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>Used by: setting_filter_table_desc</extracomment>
        <translation>Filer med disse filetternavnene blir ikke sikkerhetskopiert:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>Used by: err_auth</extracomment>
        <translation>Autentiseringen mislyktes.</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Used by: btn_settings</extracomment>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>The upgrade failed. Please install Orvanta Backup again.</source>
        <extracomment>Used by: upgrade_failed</extracomment>
        <translation>Oppgraderingen mislyktes. Installer Orvanta Backup på nytt.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <extracomment>Used by: local_hx_search</extracomment>
        <translation>Søker etter servere på det lokale nettverket...</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Used by: btn_back</extracomment>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>Used by: main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>Used by: btn_start_now</extracomment>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <extracomment>Used by: main_desc_processing_file</extracomment>
        <translation>Behandler %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>Used by: setting_proxy_auth</extracomment>
        <translation>Proxyserveren krever autentisering</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>Used by: wizard_summary_table_server</extracomment>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <extracomment>Used by: wizard_setsyncfolder_title</extracomment>
        <translation>Velg mapper</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <extracomment>Used by: err_create_session_fail</extracomment>
        <translation>Kunne ikke opprette en økt på serveren.</translation>
    </message>
    <message>
        <source>Orvanta Backup is ready.</source>
        <extracomment>Used by: desc_orvt_env_preparation_done</extracomment>
        <translation>Orvanta Backup kan nå brukes.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Used by: btn_cancel</extracomment>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This version of Orvanta Backup is too old for the server. Please upgrade it.</source>
        <extracomment>Used by: err_version_client</extracomment>
        <translation>Denne versjonen av Orvanta Backup er for gammel for serveren. Oppgrader Orvanta Backup.</translation>
    </message>
    <message>
        <source>File extensions</source>
        <extracomment>Used by: setting_filter_table_title</extracomment>
        <translation>Filetternavn</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>Used by: manage_setting_applying</extracomment>
        <translation>Tar i bruk innstillingene...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>Used by: tray_updating</extracomment>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Find servers on your local network</source>
        <extracomment>Used by: wizard_find_local_hx_tooltip</extracomment>
        <translation>Finn servere på det lokale nettverket ditt</translation>
    </message>
    <message>
        <source>Start Orvanta Backup when I log in</source>
        <extracomment>Used by: setting_option_start_upon_login</extracomment>
        <translation>Start Orvanta Backup når jeg logger på</translation>
    </message>
    <message>
        <source>Check the settings below and click Done to start the backup.</source>
        <extracomment>Used by: wizard_summary_desc</extracomment>
        <translation>Kontroller innstillingene nedenfor, og klikk på Ferdig for å starte sikkerhetskopieringen.</translation>
    </message>
    <message>
        <source>Your sign-in was revoked and the saved credentials were removed. Please sign in again.</source>
        <extracomment>Used by: err_auth_wipe</extracomment>
        <translation>Påloggingen din ble tilbakekalt, og den lagrede påloggingsinformasjonen ble fjernet. Logg på igjen.</translation>
    </message>
</context>
</TS>
