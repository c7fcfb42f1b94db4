<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last upload:</source>
        <extracomment>Used by: main_desc_last_upload</extracomment>
        <translation>Ultimo caricamento:</translation>
    </message>
    <message>
        <source>Skip files whose names begin with %1</source>
        <extracomment>Used by: setting_filter_point_prefix</extracomment>
        <translation>Ignora i file il cui nome inizia con %1</translation>
    </message>
    <message>
        <source>Please check your user name and password.</source>
        <extracomment>Used by: msg_checkpass</extracomment>
        <translation>Controlla il nome utente e la password.</translation>
    </message>
    <message>
        <source>Orvanta Backup</source>
        <extracomment>Used by: app_name</extracomment>
        <translation>Orvanta Backup</translation>
    </message>
    <message>
        <source>The automatic connection ID is not valid.</source>
        <extracomment>Used by: err_autoconn_invalidid</extracomment>
        <translation>L'ID della connessione automatica non è valido.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <extracomment>Used by: wizard_invalid_sync_folder_warning</extracomment>
        <translation>Impossibile eseguire il backup della cartella selezionata. Scegli un'altra cartella.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <extracomment>Used by: wizard_connection_desc</extracomment>
        <translation>Inserisci l'indirizzo del server di backup e l'account con cui accedere.</translation>
    </message>
    <message>
        <source>User name:</source>
        <extracomment>Used by: connection_username</extracomment>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>The backup direction of this folder does not match the setting on the server.</source>
        <extracomment>Used by: err_sync_direction_mismatch</extracomment>
        <translation>La direzione del backup di questa cartella non corrisponde all'impostazione sul server.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <extracomment>Used by: connection_enter_otp</extracomment>
        <translation>Inserisci il codice di verifica dell'app di autenticazione:</translation>
    </message>
    <message>
        <source>The shared folder on the server has reached its quota.</source>
        <extracomment>Used by: msg_share_quotafull</extracomment>
        <translation>La cartella condivisa sul server ha raggiunto la quota.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <extracomment>Used by: err_ssl_verify_fail, wizard_ssl_verify_fail_sync_folder_warning</extracomment>
        <translation>Impossibile verificare il certificato SSL del server.</translation>
    </message>
    <message>
        <source>Connection</source>
        <extracomment>Used by: setting_tab_connection</extracomment>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Proxy</source>
        <extracomment>Used by: btn_proxy, setting_tab_proxy</extracomment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Used by: btn_done</extracomment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Used by: tray_exit</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <extracomment>Used by: backup_chooser_desc</extracomment>
        <translation>Scegli le cartelle di questo computer di cui vuoi eseguire il backup.</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>Used by: main_queue_completed</extracomment>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The identity of the server has changed since the last connection.</source>
        <extracomment>Used by: err_hx_change</extracomment>
        <translation>L'identità del server è cambiata dall'ultima connessione.</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <extracomment>Used by: err_local_sync_folder_miss</extracomment>
        <translation>Impossibile trovare la cartella di backup locale.</translation>
    </message>
    <message>
        <source>Server address:</source>
        <extracomment>Used by: connection_server</extracomment>
        <translation>Indirizzo del server:</translation>
    </message>
    <message>
        <source>Need help? Open the online help for set-up instructions.</source>
        <extracomment>Used by: wizard_welcome_help</extracomment>
        <translation>Serve aiuto? Consulta la guida online per le istruzioni di configurazione.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Used by: btn_wizard_readonly_yes, btn_ok</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database could not be opened or is damaged.</source>
        <extracomment>Used by: err_database</extracomment>
        <translation>Impossibile aprire il database locale, oppure il database è danneggiato.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <extracomment>Used by: wizard_welcome_slogan</extracomment>
        <translation>I tuoi file, al sicuro con un backup.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <extracomment>Used by: setting_option_use_black_white_icon</extracomment>
        <translation>Usa un'icona in bianco e nero nell'area di notifica</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted.</source>
        <extracomment>Used by: err_share_not_mounted</extracomment>
        <translation>La cartella condivisa sul server non è montata.</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Used by: main_queue_column_progress</extracomment>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Open Orvanta Backup</source>
        <extracomment>Used by: tray_main_app</extracomment>
        <translation>Apri Orvanta Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood.</source>
        <extracomment>Used by: err_proto</extracomment>
        <translation>Il server ha inviato una risposta incomprensibile.</translation>
    </message>
    <message>
        <source>The backup folder is on a drive that is not mounted.</source>
        <extracomment>Used by: err_syncfolder_not_mounted</extracomment>
        <translation>La cartella di backup si trova su un'unità non montata.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <extracomment>Used by: btn_unlink</extracomment>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <extracomment>Used by: err_diskfull</extracomment>
        <translation>Spazio libero insufficiente sul disco locale.</translation>
    </message>
    <message>
        <source>The home folder service is disabled for your account on the server.</source>
        <extracomment>Used by: err_user_home_disabled</extracomment>
        <translation>Il servizio delle cartelle personali è disattivato per il tuo account sul server.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>Used by: main_status_uptodate</extracomment>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>The disk of the selected folder is full. Please free some space or choose another folder.</source>
        <extracomment>Used by: wizard_diskfull_sync_folder_warning</extracomment>
        <translation>Il disco della cartella selezionata è pieno. Libera spazio o scegli un'altra cartella.</translation>
    </message>
    <message>
        <source>Orvanta Backup version %1</source>
        <extracomment>Used by: msg_about</extracomment>
        <translation>Orvanta Backup versione %1</translation>
    </message>
    <message>
        <source>Failed to back up %1.</source>
        <extracomment>Used by: err_backup_fail</extracomment>
        <translation>Impossibile eseguire il backup di %1.</translation>
    </message>
    <message>
        <source>Local path</source>
        <extracomment>Used by: wizard_summary_table_path</extracomment>
        <translation>Percorso locale</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <extracomment>Used by: setting_proxy_manual</extracomment>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <extracomment>Used by: wizard_summary_table_remote_title, backup_chooser_destination</extracomment>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <extracomment>Used by: err_otp_required</extracomment>
        <translation>Per accedere è necessario un codice di verifica.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? Backups stop until you connect again.</source>
        <extracomment>Used by: connection_unlink_confirm</extracomment>
        <translation>Scollegare questo computer dal server? I backup verranno interrotti finché non ti riconnetti.</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>Used by: btn_resume</extracomment>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>Used by: setting_proxy_password, connection_password</extracomment>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Orvanta Backup is initializing...</source>
        <extracomment>Used by: desc_orvt_env_preparing</extracomment>
        <translation>Inizializzazione di Orvanta Backup in corso...</translation>
    </message>
    <message>
        <source>No folder has been selected.</source>
        <extracomment>Used by: backup_chooser_no_folder_selected</extracomment>
        <translation>Nessuna cartella selezionata.</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <extracomment>Used by: setting_proxy_sys_proxy</extracomment>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Used by: btn_wizard_readonly_no</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Local folders</source>
        <extracomment>Used by: setting_tab_folder, wizard_summary_table_local_title</extracomment>
        <translation>Cartelle locali</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Used by: main_queue_column_file</extracomment>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter a user name for the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_empty_username</extracomment>
        <translation>Inserisci un nome utente per il server proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Used by: setting_tab_filter</extracomment>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Do you trust the new certificate?</source>
        <extracomment>Used by: msg_ssl_change</extracomment>
        <translation>Il certificato SSL del server è cambiato. Vuoi considerare attendibile il nuovo certificato?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <extracomment>Used by: connection_unlinking</extracomment>
        <translation>Scollegamento in corso...</translation>
    </message>
    <message>
        <source>Use a secure connection (SSL)</source>
        <extracomment>Used by: connection_ssl</extracomment>
        <translation>Usa una connessione sicura (SSL)</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Used by: version</extracomment>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <extracomment>Used by: main_queue_title</extracomment>
        <translation>Coda di trasferimento</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Used by: btn_pause</extracomment>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>The source folder is read-only. Its files can be backed up but not restored into it.</source>
        <extracomment>Used by: wizard_source_readonly_warning</extracomment>
        <translation>La cartella di origine è di sola lettura. È possibile eseguire il backup dei suoi file, ma non ripristinarli al suo interno.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <extracomment>Used by: read_only_tooltip</extracomment>
        <translation>Questa cartella è di sola lettura.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Used by: msg_error</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Used by: main_status_pause</extracomment>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <extracomment>Used by: tray_upgrade</extracomment>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>The language changes to %1 after Orvanta Backup restarts.</source>
        <extracomment>Used by: setting_option_language_restart</extracomment>
        <translation>La lingua verrà impostata su %1 al riavvio di Orvanta Backup.</translation>
    </message>
    <message>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <extracomment>Used by: setting_proxy_err_invalid_port</extracomment>
        <translation>La porta del proxy deve essere un numero compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <extracomment>Used by: main_queue_uploading</extracomment>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <extracomment>Used by: wizard_ssl_change_sync_folder_warning, err_ssl_change</extracomment>
        <translation>Il certificato SSL del server è cambiato.</translation>
    </message>
    <message>
        <source>Connections from your IP address are not allowed by the server.</source>
        <extracomment>Used by: err_ip_not_allowed</extracomment>
        <translation>Il server non consente connessioni dal tuo indirizzo IP.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <extracomment>Used by: msg_test_connect</extracomment>
        <translation>Verifica della connessione in corso...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <extracomment>Used by: msg_ssl_error</extracomment>
        <translation>Impossibile stabilire una connessione sicura con il server.</translation>
    </message>
    <message>
        <source>Not now</source>
        <extracomment>Used by: btn_no_need</extracomment>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>Used by: setting_proxy_port</extracomment>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Connect to your backup server</source>
        <extracomment>Used by: wizard_connection_title</extracomment>
        <translation>Connettiti al server di backup</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <extracomment>Used by: err_otp_invalid</extracomment>
        <translation>Il codice di verifica non è valido.</translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>Used by: btn_select</extracomment>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>A backup with this name already exists on the server. Please choose another name.</source>
        <extracomment>Used by: wizard_share_name_duplicate_warning</extracomment>
        <translation>Sul server esiste già un backup con questo nome. Scegli un altro nome.</translation>
    </message>
    <message>
        <source>This wizard helps you set up your first backup task.</source>
        <extracomment>Used by: wizard_welcome_info</extracomment>
        <translation>Questa procedura guidata ti aiuta a configurare la tua prima attività di backup.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>Used by: main_status_connecting</extracomment>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Sharing is enabled</source>
        <extracomment>Used by: share_enabled</extracomment>
        <translation>Condivisione attivata</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Used by: tray_about</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder.</source>
        <extracomment>Used by: wizard_access_deny_sync_folder_warning</extracomment>
        <translation>Non hai l'autorizzazione per accedere alla cartella selezionata.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <extracomment>Used by: err_quotafull</extracomment>
        <translation>La quota di archiviazione sul server è esaurita.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <extracomment>Used by: setting_filter_table_editor_tooltip</extracomment>
        <translation>Fai doppio clic su una voce per modificarla.</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>Used by: btn_continue</extracomment>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <extracomment>Used by: setting_filter_max_size</extracomment>
        <translation>Dimensione massima dei file (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <extracomment>Used by: main_status_syncing</extracomment>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Free some space on the server or choose another one.</source>
        <extracomment>Used by: wizard_quotafull_sync_folder_warning</extracomment>
        <translation>La destinazione ha esaurito la quota. Libera spazio sul server o scegli un'altra destinazione.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <extracomment>Used by: err_max_tries</extracomment>
        <translation>Troppi tentativi non riusciti. Riprova più tardi.</translation>
    </message>
    <message>
        <source>A size of 0 means no limit.</source>
        <extracomment>Used by: setting_filter_zero_desc</extracomment>
        <translation>Una dimensione pari a 0 indica nessun limite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <extracomment>Used by: err_abnormal</extracomment>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Orvanta Backup could not be started.</source>
        <extracomment>Used by: err_init_failed</extracomment>
        <translation>Impossibile avviare Orvanta Backup.</translation>
    </message>
    <message>
        <source>The server does not match the one this backup task was created for.</source>
        <extracomment>Used by: err_hx_not_match</extracomment>
        <translation>Il server non corrisponde a quello per cui è stata creata questa attività di backup.</translation>
    </message>
    <message>
        <source>Select a destination folder on the server.</source>
        <extracomment>Used by: treedialog_server_desc</extracomment>
        <translation>Seleziona una cartella di destinazione sul server.</translation>
    </message>
    <message>
        <source>The user name or password is incorrect.</source>
        <extracomment>Used by: msg_test_username_fail</extracomment>
        <translation>Il nome utente o la password non sono corretti.</translation>
    </message>
    <message>
        <source>Language:</source>
        <extracomment>Used by: setting_option_language_title</extracomment>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>System default</source>
        <extracomment>Used by: setting_option_language_default</extracomment>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <extracomment>Used by: btn_ssl_continue</extracomment>
        <translation>Considera attendibile e continua</translation>
    </message>
    <message>
        <source>Choose a folder on this computer and the destination folder on the server.</source>
        <extracomment>Used by: wizard_setsyncfolder_desc</extracomment>
        <translation>Scegli una cartella su questo computer e la cartella di destinazione sul server.</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <extracomment>Used by: err_otp_enforced</extracomment>
        <translation>L'amministratore richiede la verifica in due passaggi per il tuo account.</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Used by: btn_next</extracomment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Used by: btn_apply</extracomment>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <extracomment>Used by: setting_proxy_err_ipport_empty</extracomment>
        <translation>Inserisci l'indirizzo e la porta del server proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <extracomment>Used by: wizard_user_disable_sync_folder_warning</extracomment>
        <translation>Il tuo account è disattivato sul server.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another backup task.</source>
        <extracomment>Used by: wizard_conflict_backup_warning</extracomment>
        <translation>Questa cartella è già inclusa in un'altra attività di backup.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <extracomment>Used by: err_no_valid_folder</extracomment>
        <translation>Non ci sono cartelle valide di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>Waiting for file lock</source>
        <extracomment>Used by: main_queue_locking</extracomment>
        <translation>In attesa del blocco del file</translation>
    </message>
    <message>
        <source>No proxy</source>
        <extracomment>Used by: setting_proxy_no_proxy</extracomment>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Used by: tray_help</extracomment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The server version is too old for this client. Please update the server.</source>
        <extracomment>Used by: err_version_server</extracomment>
        <translation>La versione del server è troppo vecchia per questo client. Aggiorna il server.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <extracomment>Used by: treedialog_pc_title</extracomment>
        <translation>Seleziona una cartella su questo computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <extracomment>Used by: setting_filter_size_limit_tooltip</extracomment>
        <translation>I file più grandi di questa dimensione non vengono inclusi nel backup.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted locally</source>
        <extracomment>Used by: setting_filter_ignore_local_delete</extracomment>
        <translation>Mantieni i file sul server quando vengono eliminati in locale</translation>
    </message>
    <message>
        <source>The network connection failed. Please check your network and try again.</source>
        <extracomment>Used by: err_network, wizard_network_err_sync_folder_warning</extracomment>
        <translation>La connessione di rete non è riuscita. Controlla la rete e riprova.</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Used by: main_queue_column_status</extracomment>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Choose source folders</source>
        <extracomment>Used by: backup_chooser_choose_source</extracomment>
        <translation>Scegli le cartelle di origine</translation>
    </message>
    <message>
        <source>Back up a read-only folder? Its files are copied to the server; nothing is written back.</source>
        <extracomment>Used by: wizard_readonly_backup_desc</extracomment>
        <translation>Eseguire il backup di una cartella di sola lettura? I suoi file vengono copiati sul server e nella cartella non viene riscritto nulla.</translation>
    </message>
    <message>
        <source>Address:</source>
        <extracomment>Used by: setting_proxy_ip</extracomment>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Security warning</source>
        <extracomment>Used by: title_ssl_warning</extracomment>
        <translation>Avviso di sicurezza</translation>
    </message>
    <message>
        <source>Waiting</source>
        <extracomment>Used by: main_queue_waiting</extracomment>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <extracomment>Used by: msg_download_downloading</extracomment>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <source>Back up the folders of this computer to your server automatically.</source>
        <extracomment>Used by: wizard_welcome_desc</extracomment>
        <translation>Esegui automaticamente il backup delle cartelle di questo computer sul tuo server.</translation>
    </message>
    <message>
        <source>Proxy user name:</source>
        <extracomment>Used by: setting_proxy_username</extracomment>
        <translation>Nome utente del proxy:</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <extracomment>Used by: connection_use_farlink</extracomment>
        <translation>Connetti tramite il servizio di inoltro</translation>
    </message>
    <message>
        <source>Account</source>
        <extracomment>Used by: wizard_summary_table_account</extracomment>
        <translation>Account</translation>
    </message>
    <message>
        <source>A system error occurred: %1</source>
        <extracomment>Used by: wizard_system_err_sync_folder_warning, err_invalid</extracomment>
        <translation>Si è verificato un errore di sistema: %1</translation>
    </message>
    <message>
        <source>The destination shared folder does not exist on the server.</source>
        <extracomment>Used by: wizard_share_nonexist_sync_folder_warning</extracomment>
        <translation>La cartella condivisa di destinazione non esiste sul server.</translation>
    </message>
    <message>
        <source>Summary</source>
        <extracomment>Used by: wizard_summary_title</extracomment>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <extracomment>Used by: main_queue_preparing</extracomment>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Used by: setting_tab_option</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>You only have read access to the destination folder on the server.</source>
        <extracomment>Used by: wizard_readonly_sync_folder_warning</extracomment>
        <translation>Hai solo l'accesso in lettura alla cartella di destinazione sul server.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <extracomment>Used by: main_status_error</extracomment>
        <translation>Errore di backup</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <extracomment>Used by: tray_click_to_update</extracomment>
        <translation>È disponibile una nuova versione. Fai clic qui per aggiornare.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <extracomment>Used by: read_only</extracomment>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>Automatic connection is disabled by your administrator.</source>
        <extracomment>Used by: err_autoconn_ctrl</extracomment>
        <translation>La connessione automatica è stata disattivata dall'amministratore.</translation>
    </message>
    <message>
        <source>The selected folder overlaps a folder of another backup task.</source>
        <extracomment>Used by: wizard_conflict_sync_folder_warning</extracomment>
        <translation>La cartella selezionata si sovrappone a una cartella di un'altra attività di backup.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>Used by: btn_advanced</extracomment>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <extracomment>Used by: main_desc_processing_count</extracomment>
        <translation>Elaborazione di %1 file...</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <extracomment>Used by: wizard_summary_table_except_path</extracomment>
        <translation>Percorsi esclusi</translation>
    </message>
    <message>
        <source>You do not have permission to use this shared folder.</source>
        <extracomment>Used by: err_share_perm</extracomment>
        <translation>Non hai l'autorizzazione per usare questa cartella condivisa.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <extracomment>Used by: setting_filter_table_desc</extracomment>
        <translation>I file con queste estensioni non vengono inclusi nel backup:</translation>
    </message>
    <message>
        <source>Authentication failed.</source>
        <extracomment>Used by: err_auth</extracomment>
        <translation>Autenticazione non riuscita.</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Used by: btn_settings</extracomment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>The upgrade failed. Please install Orvanta Backup again.</source>
        <extracomment>Used by: upgrade_failed</extracomment>
        <translation>Aggiornamento non riuscito. Reinstalla Orvanta Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <extracomment>Used by: local_hx_search</extracomment>
        <translation>Ricerca di server sulla rete locale in corso...</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Used by: btn_back</extracomment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>Used by: main_queue_progress</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <extracomment>Used by: btn_start_now</extracomment>
        <translation>Avvia ora</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <extracomment>Used by: main_desc_processing_file</extracomment>
        <translation>Elaborazione di %1</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <extracomment>Used by: setting_proxy_auth</extracomment>
        <translation>Il server proxy richiede l'autenticazione</translation>
    </message>
    <message>
        <source>Server</source>
        <extracomment>Used by: wizard_summary_table_server</extracomment>
        <translation>Server</translation>
    </message>
    <message>
        <source>Choose folders</source>
        <extracomment>Used by: wizard_setsyncfolder_title</extracomment>
        <translation>Scegli le cartelle</translation>
    </message>
    <message>
        <source>Could not create a session on the server.</source>
        <extracomment>Used by: err_create_session_fail</extracomment>
        <translation>Impossibile creare una sessione sul server.</translation>
    </message>
    <message>
        <source>Orvanta Backup is ready.</source>
        <extracomment>Used by: desc_orvt_env_preparation_done</extracomment>
        <translation>Orvanta Backup è pronto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Used by: btn_cancel</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This version of Orvanta Backup is too old for the server. Please upgrade it.</source>
        <extracomment>Used by: err_version_client</extracomment>
        <translation>Questa versione di Orvanta Backup è troppo vecchia per il server. Aggiorna Orvanta Backup.</translation>
    </message>
    <message>
        <source>File extensions</source>
        <extracomment>Used by: setting_filter_table_title</extracomment>
        <translation>Estensioni dei file</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <extracomment>Used by: manage_setting_applying</extracomment>
        <translation>Applicazione delle impostazioni in corso...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <extracomment>Used by: tray_updating</extracomment>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Find servers on your local network</source>
        <extracomment>Used by: wizard_find_local_hx_tooltip</extracomment>
        <translation>Trova i server sulla rete locale</translation>
    </message>
    <message>
        <source>Start Orvanta Backup when I log in</source>
        <extracomment>Used by: setting_option_start_upon_login</extracomment>
        <translation>Avvia Orvanta Backup all'accesso</translation>
    </message>
    <message>
        <source>Check the settings below and click Done to start the backup.</source>
        <extracomment>Used by: wizard_summary_desc</extracomment>
        <translation>Controlla le impostazioni riportate di seguito e fai clic su “Fine” per avviare il backup.</translation>
    </message>
    <message>
        <source>Your sign-in was revoked and the saved credentials were removed. Please sign in again.</source>
        <extracomment>Used by: err_auth_wipe</extracomment>
        <translation>L'accesso è stato revocato e le credenziali salvate sono state rimosse. Accedi di nuovo.</translation>
    </message>
</context>
</TS>
